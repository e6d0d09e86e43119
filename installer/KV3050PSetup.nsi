; The per-user installer of KV-3050P Setup. It asks for no elevation, as the
; program runs as invoker and keeps its settings under HKEY_CURRENT_USER.
;
; Built by CMake (installer/CMakeLists.txt):
;   makensis -DVERSION=1.0.0 -DPROGRAM=KV3050PSetup.exe -DICON=app.ico
;            -DOUTFILE=KV3050PSetup-1.0.0-setup.exe KV3050PSetup.nsi

!macro REQUIRE name
  !ifndef ${name}
    !error "-D${name}=... is missing"
  !endif
!macroend
!insertmacro REQUIRE VERSION
!insertmacro REQUIRE PROGRAM
!insertmacro REQUIRE ICON
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
!include Sections.nsh
!include FileFunc.nsh

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
; The product's name ends in "Setup": the pages say "installer" instead of
; NSIS's "<name> Setup".
!define MUI_PAGE_HEADER_TEXT "Options"
!define MUI_PAGE_HEADER_SUBTEXT "Choose how ${PRODUCT} starts."
!define MUI_COMPONENTSPAGE_TEXT_TOP \
  "${PRODUCT} is installed for you alone, in your programs folder, with a shortcut in the Start menu. Click Install to start the installation."
!define MUI_COMPONENTSPAGE_TEXT_COMPLIST "Options:"
!define MUI_COMPONENTSPAGE_SMALLDESC
!insertmacro MUI_PAGE_COMPONENTS
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

Section "Start at sign-in" SecRun
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${EXE}" -TRAY'
SectionEnd

Section "-After"
  ; Turning the option off over an earlier install takes the start away.
  ${IfNot} ${SectionIsSelected} ${SecRun}
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  ; A copy that was running before the update runs again, where it was kept.
  ${If} $EndedCopy = 1
    Exec '"$INSTDIR\${EXE}" -TRAY'
  ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecRun} \
    "Start ${PRODUCT} in the notification area each time you sign in."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  StrCpy $EndedCopy 0
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
