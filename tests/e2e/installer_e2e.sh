#!/usr/bin/env bash
# The installer and its uninstaller in a fresh Wine prefix of their own: a
# silent install, the start at sign-in in the tray, an update over the running
# copy, a silent uninstall that leaves the system's own mouse values alone,
# and the installer's pages as a user clicks through them at 100 and 150 %.
: "${KV_ROOT:?}" "${KV_INSTALLER_FILE:?}" "${KV_SHIPPED_PROGRAM:?}" "${KV_VERSION:?}"
# Never the shared prefix: the install starts on a system that has never seen
# the program, and the prefix goes with the run.
export WINEPREFIX="$KV_ROOT/build/installer-e2e-prefix"
source "$(dirname "$0")/lib.sh"
# Shortcuts would otherwise also become desktop entries in the home folder.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
rm -rf "$WINEPREFIX"
trap 'stop_wine; rm -rf "$WINEPREFIX"' EXIT

RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
ENTRY_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\KV3050PSetup'
PROGRAM_VALUES=(WheelButton XButton1 XButton2 ScrollLine DoPopup)
# A line of `reg query` that shows one of them.
PROGRAM_LINE="^    ($(IFS='|'; echo "${PROGRAM_VALUES[*]}")) "

win_echo() { wine_run cmd /c echo "$1" 2>/dev/null | tr -d '\r'; }
unix_path() { wine_run winepath -u "$1" 2>/dev/null | tr -d '\r'; }
# The data of one value as `reg query` shows it ("0x1" for a DWORD).
reg_data() {
  wine_run reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' |
    awk -v name="$2" -F'    ' '$2 == name { print $4 }'
}
# Equal texts, or both shown on the report's console.
equals() {
  [ "$1" = "$2" ] && return 0
  printf '       got      %s\n       expected %s\n' "$1" "$2"
  return 1
}
reg_missing() { ! wine_run reg query "$1" /v "$2" >/dev/null 2>&1; }
key_missing() { ! wine_run reg query "$1" >/dev/null 2>&1; }
# Every value under Control Panel\Mouse, one "name type data" line each, sorted.
mouse_values() {
  wine_run reg query "$MOUSE_KEY" 2>/dev/null | tr -d '\r' | grep '^    ' | sort
}
program_pids() { probe pids KV3050PSetup.exe; }
tray_present() { probe toplevel | grep -q '|Wine System Tray$'; }
# Polls a command until it succeeds; Wine under a bare Xvfb takes seconds to
# let hidden windows go.
eventually() {
  local seconds="$1" deadline
  shift
  deadline=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.5
  done
}
none_running() { [ -z "$(program_pids)" ]; }
hidden() { probe windows "$TITLE" | grep -q '^KV3050PSetupForm 0 1 '; }
no_tray() { ! tray_present; }
ended() { ! program_pids | grep -qx "$1"; }
runs_again_in_tray() {
  local pids
  pids="$(program_pids)"
  [ -n "$pids" ] && [ "$(wc -l <<<"$pids")" -eq 1 ] && ! grep -qx "$1" <<<"$pids" &&
    hidden && tray_present
}
install_silently() { wine_run "$KV_INSTALLER_FILE" /S >/dev/null 2>&1; }
# Watches a copy from outside until it ends: its exit code tells a copy that
# ended itself (0) from one that was ended (taskkill /f leaves 1).
watch_end() {
  mkdir -p "$KV_REPORTS"
  END_LOG="$KV_REPORTS/$E2E_NAME.end.log"
  probe wait "$1" 120 >"$END_LOG" &
  eventually 20 grep -q '^waiting$' "$END_LOG"
}
ended_itself() { [ "$(tail -n1 "$END_LOG")" = 0 ]; }

local_app_data="$(win_echo '%LOCALAPPDATA%')"
app_data="$(win_echo '%APPDATA%')"
install_dir="$local_app_data\\Programs\\KV-3050P Setup"
program="$install_dir\\KV3050PSetup.exe"
uninstaller="$install_dir\\Uninstall.exe"
shortcut="$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\KV-3050P Setup.lnk"
install_dir_unix="$(unix_path "$install_dir")"
shortcut_unix="$(unix_path "$shortcut")"
check "a fresh prefix knows the user's folders" test -n "$local_app_data" -a -n "$install_dir_unix"

# The system's own values, set apart from Wine's defaults so that a change shows.
reg_set MouseSensitivity 13
reg_set DoubleClickSpeed 640
reg_set SwapMouseButtons 1
reg_set XButton1 Forward

check "setup.exe /S installs" install_silently
check "the program is in the user's programs folder" \
  cmp -s "$install_dir_unix/KV3050PSetup.exe" "$KV_SHIPPED_PROGRAM"
check "with its uninstaller" test -f "$install_dir_unix/Uninstall.exe"
check "the Start menu has a shortcut" test -f "$shortcut_unix"
check "that starts the program" equals "$(probe shortcut "$shortcut")" "$program|"
check "the Run value holds the quoted path and -TRAY" \
  equals "$(reg_data "$RUN_KEY" 'KV-3050P Setup')" "\"$program\" -TRAY"

while IFS='|' read -r name expected <&3; do
  check "the installed-programs entry has $name" equals "$(reg_data "$ENTRY_KEY" "$name")" "$expected"
done 3<<LIST
DisplayName|KV-3050P Setup
DisplayVersion|$KV_VERSION
Publisher|Ombrix
DisplayIcon|$program,0
InstallLocation|$install_dir
UninstallString|"$uninstaller"
QuietUninstallString|"$uninstaller" /S
NoModify|0x1
NoRepair|0x1
LIST
size_kb=$(($(reg_data "$ENTRY_KEY" EstimatedSize)))
files_kb=$(($(cat "$install_dir_unix"/* | wc -c) / 1024))
check "its EstimatedSize is the folder's size in KB" \
  test "$size_kb" -ge $((files_kb - 1)) -a "$size_kb" -le $((files_kb + 1))
check "installing leaves the stored choice alone" equals "$(reg_value XButton1)" Forward

# Wine's sign-in step starts what the Run values name, with their command lines.
wine_run wineboot >/dev/null 2>&1
check "at sign-in the program starts hidden" eventually 30 hidden
check "in the tray" eventually 10 tray_present
first="$(program_pids)"
check "as one copy" test "$(wc -l <<<"$first")" -eq 1 -a -n "$first"

watch_end "$first"
check "setup.exe /S installs again while the program runs" install_silently
check "the running copy was asked to end and ended" eventually 30 ended "$first"
check "by itself, as a confirmed Exit ends" eventually 10 ended_itself
check "and runs again in the tray" eventually 30 runs_again_in_tray "$first"
check "the stored XButton1 choice is kept" equals "$(reg_value XButton1)" Forward

reg_set WheelButton Excel
reg_set XButton2 Backward
reg_set ScrollLine 7
reg_set DoPopup 0
before="$(mouse_values)"
# Another program's start at sign-in, which the uninstaller must leave alone.
wine_run reg add "$RUN_KEY" /v Other /t REG_SZ /d 'C:\other.exe' /f >/dev/null 2>&1
check "the program's five values are stored before the uninstall" \
  test "$(grep -c -E "$PROGRAM_LINE" <<<"$before")" -eq 5

watch_end "$(program_pids)"
quiet="$(reg_data "$ENTRY_KEY" QuietUninstallString)"
check "the quiet uninstall string runs" probe run "$quiet"
# The uninstaller goes on from a copy of itself, so the outcome is polled.
check "it ends the running copy" eventually 60 none_running
check "which ends itself" eventually 10 ended_itself
check "whose tray icon goes with it" eventually 30 no_tray
check "the uninstall entry goes" eventually 60 key_missing "$ENTRY_KEY"
check "the program's folder goes" eventually 30 test ! -e "$install_dir_unix"
check "the shortcut goes" test ! -e "$shortcut_unix"
check "the Run value goes" reg_missing "$RUN_KEY" 'KV-3050P Setup'
check "another program's Run value stays" equals "$(reg_data "$RUN_KEY" Other)" 'C:\other.exe'
for name in "${PROGRAM_VALUES[@]}"; do
  check "the program's own $name goes" reg_missing "$MOUSE_KEY" "$name"
done
expected="$(grep -v -E "$PROGRAM_LINE" <<<"$before")"
check "every other value of Control Panel\\Mouse stays as it was" equals "$(mouse_values)" "$expected"
for line in 'MouseSensitivity    REG_SZ    13' 'DoubleClickSpeed    REG_SZ    640' \
  'SwapMouseButtons    REG_SZ    1'; do
  check "among them ${line%% *}" grep -qx "    $line" <<<"$(mouse_values)"
done

# The pages, clicked through as a user does. The check box decides the Run
# value, also over an earlier install; the pictures are the density's own, at
# their own size, and the product's (the skin's background), not the stock ones.
INSTALLER_TITLE="KV-3050P Setup $KV_VERSION"
BACKGROUND='srgb(23,26,32)'
controls() { probe controls "$INSTALLER_TITLE"; }
# The line of the control with this text, or with this id.
control() { controls | awk -F'|' -v text="$1" '$2 == text'; }
control_id() { controls | awk -F'|' -v id="$1" '$3 == id'; }
rect_of() { cut -d'|' -f5 <<<"$1"; }
shows() { [ -n "$(control "$1")" ]; }
installer_gone() { [ -z "$(controls)" ]; }
is_checked() { equals "$(control "$1" | cut -d'|' -f4)" "$2"; }
click_control() {
  local x y w h
  read -r x y w h < <(rect_of "$(control "$1")")
  [ -n "${h:-}" ] && xdotool mousemove $((x + 8)) $((y + h / 2)) sleep 0.3 click 1 sleep 0.5
}
# 96-dpi picture pixels at the density, rounded as the generator rounds them.
at_dpi() { echo $((($1 * dpi * 2 + 96) / 192)); }
pixel() { convert "$SHOT" -format "%[pixel:p{$1,$2}]" info:; }
set_density() {
  stop_wine
  wine_run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  stop_wine
}
# The picture control of that id: its width, and its corner pixel (3 pixels in
# from the corner named) in a new screenshot.
picture_check() {
  local what="$1" id="$2" corner="$3" width="$4" x y w h
  read -r x y w h < <(rect_of "$(control_id "$id")")
  check "$dpi dpi: the $what picture is the density's, $width pixels wide" equals "${w:-}" "$width"
  SHOT="$KV_REPORTS/installer_e2e_${what}_$dpi.png"
  import -window root "$SHOT"
  [ "$corner" = right ] && x=$((x + w - 4)) || x=$((x + 3))
  check "$dpi dpi: the $what picture is in the product's colours" equals "$(pixel "$x" $((y + 3)))" "$BACKGROUND"
}

mkdir -p "$KV_REPORTS"
for run in "96 on" "144 off"; do
  read -r dpi choice <<<"$run"
  echo "-- $dpi dpi, start at sign-in $choice"
  set_density "$dpi"
  wine_run "$KV_INSTALLER_FILE" >/dev/null 2>&1 &
  check "$dpi dpi: the installer opens on its options page" eventually 30 shows "Start at sign-in"
  check "$dpi dpi: Start at sign-in is a check box, on" is_checked "Start at sign-in" 1
  check "$dpi dpi: in no components list" test -z "$(controls | grep '^SysTreeView32|')"
  picture_check header 1046 right "$(at_dpi 150)"
  if [ "$choice" = off ]; then
    click_control "Start at sign-in"
    check "$dpi dpi: a click turns it off" is_checked "Start at sign-in" 0
  fi
  click_control "&Install"
  check "$dpi dpi: Install leads to the last page" eventually 60 shows "Click Finish to close the installer."
  picture_check wizard 1200 left "$(at_dpi 164)"
  click_control "Start now"
  check "$dpi dpi: Start now can be turned off" is_checked "Start now" 0
  click_control "&Finish"
  check "$dpi dpi: Finish closes the installer" eventually 30 installer_gone
  check "$dpi dpi: the program is installed" cmp -s "$install_dir_unix/KV3050PSetup.exe" "$KV_SHIPPED_PROGRAM"
  if [ "$choice" = on ]; then
    check "$dpi dpi: the box left on writes the Run value" \
      equals "$(reg_data "$RUN_KEY" 'KV-3050P Setup')" "\"$program\" -TRAY"
  else
    check "$dpi dpi: the box turned off removes the earlier install's Run value" \
      reg_missing "$RUN_KEY" 'KV-3050P Setup'
  fi
  check "$dpi dpi: and nothing was started" none_running
done

finish
