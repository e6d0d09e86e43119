; The per-user installer of KV-3050P Setup. It asks for no elevation, as the
; program runs as invoker and keeps its settings under HKEY_CURRENT_USER.
;
; Built by CMake (installer/CMakeLists.txt):
;   makensis -DVERSION=1.0.0 -DPROGRAM=KV3050PSetup.exe -DICON=app.ico -DART=art
;            -DOUTFILE=KV3050PSetup-1.0.0-setup.exe KV3050PSetup.nsi
; ART is the folder of the pages' pictures (installer/art, made by the asset
; generator), one set per density.

!macro REQUIRE name
  !ifndef ${name}
    !error "-D${name}=... is missing"
  !endif
!macroend
!insertmacro REQUIRE VERSION
!insertmacro REQUIRE PROGRAM
!insertmacro REQUIRE ICON
!insertmacro REQUIRE ART
!insertmacro REQUIRE OUTFILE

Unicode true
; The program is x86_64 only, and so is the installer: it needs no 32-bit
; layer of Windows (or of Wine) and sees the same registry as the program.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh

!define PRODUCT "KV-3050P Setup"
!define PUBLISHER "Ombrix"
!define EXE "KV3050PSetup.exe"
!define UNINSTALLER "Uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KV3050PSetup"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "KV-3050P Setup"
!define MOUSE_KEY "Control Panel\Mouse"
; How a running copy is found and asked to end: its main window, of the
; program's form class and titled with the product's name, answers this
; registered message as a confirmed Exit, without asking.
!define WINDOW_CLASS "KV3050PSetupForm"
!define END_REQUEST "KV3050PSetup.EndRequest"
; Under a display without a window manager, Wine takes seconds to let a
; hidden window go; a real Windows ends the program at once.
!define END_WAIT_MS 30000
!define SYNCHRONIZE 0x00100000
!define WAIT_OBJECT_0 0

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION}"
UninstallCaption "${PRODUCT} ${VERSION}"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An update goes where the installed copy is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey ProductName "${PRODUCT}"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey FileDescription "${PRODUCT} installer"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "Copyright (C) ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The product's own pictures: the 96-dpi ones here, the density's own chosen
; when the window is made (PicturesForDensity).
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${ART}/header.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${ART}/wizard.bmp"
; Shown at their own size, never stretched: the pages' controls follow the
; dialog font, which need not grow exactly as the density does.
!define MUI_WELCOMEFINISHPAGE_BITMAP_STRETCH NoStretchNoCrop
!define MUI_CUSTOMFUNCTION_GUIINIT PicturesForDensity
!define MUI_CUSTOMFUNCTION_UNGUIINIT un.PicturesForDensity
Page custom OptionsPage OptionsPageLeave
!define MUI_FINISHPAGE_TITLE "${PRODUCT} is installed"
!define MUI_FINISHPAGE_TEXT "Click Finish to close the installer."
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start now"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; 1 when this run ended a copy that was running.
Var EndedCopy
; The options page's check box, and its state: on unless the user turns it
; off, and so on in a silent install, which shows no page.
Var StartAtSignInBox
Var StartAtSignIn

; The product's name ends in "Setup": the pages say "installer" instead of
; NSIS's "<name> Setup".
Function OptionsPage
  !insertmacro MUI_HEADER_TEXT "Options" "Choose how ${PRODUCT} starts."
  nsDialogs::Create 1018
  Pop $0
  ${If} $0 == error
    Abort
  ${EndIf}
  ${NSD_CreateLabel} 0 0 100% 24u \
    "${PRODUCT} is installed for you alone, in your programs folder, with a shortcut in the Start menu. Click Install to start the installation."
  Pop $0
  ${NSD_CreateCheckbox} 0 36u 100% 12u "Start at sign-in"
  Pop $StartAtSignInBox
  ${NSD_SetState} $StartAtSignInBox $StartAtSignIn
  ${NSD_CreateLabel} 12u 50u -12u 20u \
    "Start ${PRODUCT} in the notification area each time you sign in."
  Pop $0
  nsDialogs::Show
FunctionEnd

Function OptionsPageLeave
  ${NSD_GetState} $StartAtSignInBox $StartAtSignIn
FunctionEnd

; Header and wizard pictures drawn for the system's density, or for the next
; density down where none is drawn for it: shown unscaled, a picture must not
; outgrow its place. The installer is DPI-aware, so its dialogs are laid out
; for that density too.
!macro PICTURE_SET un suffix
  File "/oname=$PLUGINSDIR\modern-header.bmp" "${ART}/header${suffix}.bmp"
  !if "${un}" == ""
    ; Read when the last page is made, after this.
    File "/oname=$PLUGINSDIR\modern-wizard.bmp" "${ART}/wizard${suffix}.bmp"
  !endif
!macroend
!define LOGPIXELSY 90
!define SWP_NOMOVE_NOZORDER_NOACTIVATE 0x16
!macro DEFINE_PICTURES_FOR_DENSITY un
Function ${un}PicturesForDensity
  InitPluginsDir
  System::Call 'user32::GetDC(p 0) p .r0'
  System::Call 'gdi32::GetDeviceCaps(p r0, i ${LOGPIXELSY}) i .r1'
  System::Call 'user32::ReleaseDC(p 0, p r0)'
  ${If} $1 >= 192
    !insertmacro PICTURE_SET "${un}" "@192"
  ${ElseIf} $1 >= 168
    !insertmacro PICTURE_SET "${un}" "@168"
  ${ElseIf} $1 >= 144
    !insertmacro PICTURE_SET "${un}" "@144"
  ${ElseIf} $1 >= 120
    !insertmacro PICTURE_SET "${un}" "@120"
  ${Else}
    !insertmacro PICTURE_SET "${un}" ""
  ${EndIf}
  ; At the right end of the header, at its own size, as the wizard picture is
  ; shown at the left of its page.
  GetDlgItem $0 $HWNDPARENT 1046
  !insertmacro MUI_LOADANDXALIGNIMAGE $0 "$PLUGINSDIR\modern-header.bmp" Right Leak
  ; The white band may come out a few pixels shorter than the picture, as the
  ; dialog units round: the picture's bottom rows, plain background, are cut
  ; rather than laid over the line below the band.
  GetDlgItem $1 $HWNDPARENT 1034
  System::Call 'user32::GetClientRect(p r1, @ r2)'
  System::Call '*$2(i, i, i, i .r3)'
  System::Call 'user32::GetClientRect(p r0, @ r2)'
  System::Call '*$2(i, i, i .r4, i .r5)'
  ${If} $5 > $3
    System::Call 'user32::SetWindowPos(p r0, p 0, i 0, i 0, i r4, i r3, i ${SWP_NOMOVE_NOZORDER_NOACTIVATE})'
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_PICTURES_FOR_DENSITY ""
!insertmacro DEFINE_PICTURES_FOR_DENSITY "un."

; Asks every running copy to end, and waits until each process is gone, so
; that no file is replaced or removed under it and the copy leaves neither its
; hook nor its tray icon behind. A copy that does not end leaves the user the
; choice of retrying or giving up; a silent run gives up, and nothing changes.
!macro DEFINE_END_RUNNING_COPY un
Function ${un}EndRunningCopy
  System::Call 'user32::RegisterWindowMessageW(w "${END_REQUEST}") i .r0'
  ${Do}
    FindWindow $1 "${WINDOW_CLASS}" "${PRODUCT}"
    ${If} $1 P= 0
      ${ExitDo}
    ${EndIf}
    StrCpy $EndedCopy 1
    System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r2)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r2) p .r3'
    System::Call 'user32::PostMessageW(p r1, i r0, p 0, p 0)'
    StrCpy $4 1
    ${If} $3 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r3, i ${END_WAIT_MS}) i .r4'
      System::Call 'kernel32::CloseHandle(p r3)'
    ${EndIf}
    ${If} $4 <> ${WAIT_OBJECT_0}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${PRODUCT} is running and did not end when asked.$\r$\n$\r$\nEnd it with Exit in its tray menu, then choose Retry." \
        /SD IDCANCEL IDRETRY retry
      Abort "${PRODUCT} is still running; nothing was changed."
      retry:
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_END_RUNNING_COPY ""
!insertmacro DEFINE_END_RUNNING_COPY "un."

Section "-${PRODUCT}" SecProgram
  Call EndRunningCopy
  SetOutPath "$INSTDIR"
  File "/oname=${EXE}" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 \
    SW_SHOWNORMAL "" "Mouse settings and button functions of the KV-3050P"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "-Start at sign-in"
  ${If} $StartAtSignIn == ${BST_CHECKED}
    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${EXE}" -TRAY'
  ${Else}
    ; Turning the option off over an earlier install takes the start away.
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
SectionEnd

Section "-After"
  ; A copy that was running before the update runs again, where it was kept.
  ${If} $EndedCopy = 1
    Exec '"$INSTDIR\${EXE}" -TRAY'
  ${EndIf}
SectionEnd

Function .onInit
  StrCpy $EndedCopy 0
  StrCpy $StartAtSignIn ${BST_CHECKED}
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Uninstall"
  Call un.EndRunningCopy
  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only if empty: the folder may hold files that are not the program's.
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The key is shared with the system's own mouse settings: remove the
  ; program's values one by one, never the key.
  DeleteRegValue HKCU "${MOUSE_KEY}" "WheelButton"
  DeleteRegValue HKCU "${MOUSE_KEY}" "XButton1"
  DeleteRegValue HKCU "${MOUSE_KEY}" "XButton2"
  DeleteRegValue HKCU "${MOUSE_KEY}" "ScrollLine"
  DeleteRegValue HKCU "${MOUSE_KEY}" "DoPopup"
SectionEnd
