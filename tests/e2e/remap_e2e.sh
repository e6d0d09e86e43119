#!/usr/bin/env bash
# The real program's mouse hook: side buttons become browser keys in the
# window in front, the wheel button keeps its click or starts the chosen
# program, and no application sees what the hook consumes; a full-screen
# window or one that confines the pointer keeps every button, and so does any
# window while the tray menu pauses remapping. Wine hands the
# side and wheel buttons to the hook only over a Wine window, so every click
# lands on the probe's watch window.
source "$(dirname "$0")/lib.sh"

for name in WheelButton XButton1 XButton2 DoPopup; do reg_delete "$name"; done

# The middle of a control of the main window, in its pixels, from the layout
# (twips, 15 to the pixel).
centre_of() {
  awk -v name="$1" '
    $1 == "Begin" && $3 == name { inside = 1 }
    inside && $1 == "End" { printf "%d %d\n", (left + width / 2) / 15, (top + height / 2) / 15; exit }
    inside && $1 == "Left" { left = $3 } inside && $1 == "Top" { top = $3 }
    inside && $1 == "Width" { width = $3 } inside && $1 == "Height" { height = $3 }
  ' "$KV_ROOT/src/ui/frmMain.layout"
}
WHEEL_BOX="$(centre_of cmbWButton)"
SIDE2_BOX="$(centre_of cmbXButton2)"
HOME_BUTTON="$(centre_of btnHomepage)"

# Waits until more processes of the program file run than the count given.
wait_for_process() {
  local name="$1" before="$2"
  for _ in $(seq 60); do
    [ "$(probe processes "$name")" -gt "$before" ] && return 0
    sleep 0.5
  done
  return 1
}

# What the watch window got since the step began.
step() { STEP="$(watch_count)"; }
seen() { watch_lines "$STEP" | tr '\n' ' '; }
keys_seen() { watch_lines "$STEP" | grep -E '^key' | tr '\n' ' '; }
has_line() { watch_lines "$STEP" | grep -q -E "$1"; }
no_line() { ! has_line "$1"; }
# Clicks a button over the watch window and lets the last message arrive.
click_and_wait() {
  step
  click_over_watch "$1"
  wait_watch "$STEP" "$2" 10
  sleep 0.5
  echo "  click $1: $(seen)"
}

start_program
check "the window appears" wait_for '^KV3050PSetupForm 1 0 '
check "the watch window is in front" start_watch

click_and_wait 8 '^keyup'
check "side button 1 gives browser Back, down then up" test "$(keys_seen)" = "keydown a6 keyup a6 "
check "side button 1 is no side-button message" no_line 'xbutton'

click_and_wait 9 '^keyup'
check "side button 2 gives browser Forward, down then up" test "$(keys_seen)" = "keydown a7 keyup a7 "
check "side button 2 is no side-button message" no_line 'xbutton'

# Side button 2 becomes Backward in its combo box, without Apply; then the
# watch window comes to the front again.
click_in_main $SIDE2_BOX
sleep 0.5
xdotool key Up Return
click_and_wait 1 '^lbuttonup'
click_and_wait 9 '^keyup'
check "side button 2 chosen Backward gives browser Back" test "$(keys_seen)" = "keydown a6 keyup a6 "
check "side button 2 chosen Backward is no side-button message" no_line 'xbutton'
check "the choice was not stored" test -z "$(reg_value XButton2)"

click_and_wait 2 '^mbuttonup'
check "with \"No use\" the wheel click reaches the window" \
  test "$(seen)" = "mbuttondown mbuttonup "

# The window hidden to the tray and shown again between presses. Under Xvfb
# Wine's hide holds the window's thread for up to two seconds: the presses
# made meanwhile still become keys, as the hook has a thread of its own.
hidden_at_press() {
  probe post 0x112 0xF060 0 # WM_SYSCOMMAND, SC_CLOSE: hidden to the tray
  click_and_wait "$1" '^keyup'
}
for round in 1 2 3; do
  click_and_wait 1 '^lbuttonup'
  hidden_at_press 8
  check "round $round: side button 1 gives browser Back while the window hides" \
    test "$(keys_seen)" = "keydown a6 keyup a6 "
  check "round $round: it is no side-button message" no_line 'xbutton'
  check "round $round: the window went to the tray" wait_for '^KV3050PSetupForm 0 1 ' 10
  probe post 0x200 1 513 # the icon's left button pressed: shown again
  check "round $round: the window is back" wait_for '^KV3050PSetupForm 1 0 ' 10
  click_and_wait 1 '^lbuttonup'
  click_and_wait 9 '^keyup'
  check "round $round: side button 2 gives browser Back with the window shown" \
    test "$(keys_seen)" = "keydown a6 keyup a6 "
done
click_and_wait 2 '^mbuttonup'
check "the wheel click still reaches the window" test "$(seen)" = "mbuttondown mbuttonup "

# The home-page button hands the address to the shell, which starts the
# handler of web addresses: for this run, notepad, put back afterwards. (Wine
# 8's shell ignores a handler in the user's own classes.)
HTTP_COMMAND='HKCR\http\shell\open\command'
http_handler="$(wine_run reg query "$HTTP_COMMAND" /ve 2>/dev/null | tr -d '\r' |
  awk '/REG_SZ/ { sub(/^.*REG_SZ +/, ""); print }')"
wine_run reg add "$HTTP_COMMAND" /ve /d 'C:\windows\notepad.exe "%1"' /f >/dev/null 2>&1
before="$(probe processes notepad.exe)"
click_in_main $HOME_BUTTON
check "the home-page button starts the handler of web addresses" \
  wait_for_process notepad.exe "$before"
wine_run reg add "$HTTP_COMMAND" /ve /d "${http_handler:-\"C:\windows\system32\winebrowser.exe\" \"%1\"}" \
  /f >/dev/null 2>&1
wine_run taskkill /f /im notepad.exe >/dev/null 2>&1 || true

# The wheel button starts the file manager. A left click first shows that the
# watch window hears clicks at that place; the program started later covers it.
click_in_main $WHEEL_BOX
sleep 0.5
xdotool key Down Down Return
click_and_wait 1 '^lbuttonup'
check "the watch window hears clicks again" test "$(seen)" = "lbuttondown lbuttonup "
before="$(probe processes explorer.exe)"
step
click_over_watch 2
check "with \"File Manager\" a wheel click starts explorer.exe" \
  wait_for_process explorer.exe "$before"
sleep 1
echo "  click 2: $(seen)"
check "with \"File Manager\" the window sees neither press nor release" no_line '^mbutton'

# The file manager's window would cover the windows to come.
for pid in $(probe pids explorer.exe | tail -n +$((before + 1))); do
  wine_run taskkill /f /pid "$pid" >/dev/null 2>&1 || true
done
stop_watch

# A game's windows: the buttons reach them as themselves, with "File Manager"
# still chosen for the wheel.
for kind in fullscreen confined; do
  check "$kind: the window is in front" start_watch 120 "$kind"
  click_and_wait 1 '^lbuttonup'
  click_and_wait 8 '^xbuttonup'
  check "$kind: side button 1 arrives as itself, no key" test "$(seen)" = "xbuttondown 1 xbuttonup 1 "
  click_and_wait 9 '^xbuttonup'
  check "$kind: side button 2 arrives as itself, no key" test "$(seen)" = "xbuttondown 2 xbuttonup 2 "
  before="$(probe processes explorer.exe)"
  click_and_wait 2 '^mbuttonup'
  check "$kind: the wheel click arrives as itself" test "$(seen)" = "mbuttondown mbuttonup "
  sleep 1
  check "$kind: the wheel click starts nothing" test "$(probe processes explorer.exe)" -eq "$before"
  stop_watch
done

# An ordinary window again: the keys are back.
check "an ordinary window is in front again" start_watch 120
click_and_wait 1 '^lbuttonup'
click_and_wait 8 '^keyup'
check "ordinary again: side button 1 gives browser Back" test "$(keys_seen)" = "keydown a6 keyup a6 "

# The tray menu's pause, chosen by a click on the menu, and chosen again.
pause_from_tray_menu() {
  xdotool mousemove 300 300
  probe post 0x200 1 517 # the icon's right button released
  wait_menu || return 1
  click_menu_item 3 # Pause button remapping
}
click_in_main 570 29 # the close glyph: to the tray
check "the program is in the tray" wait_for '^KV3050PSetupForm 0 1 ' 10
check "the tray menu's pause is chosen" pause_from_tray_menu
sleep 0.5
click_and_wait 1 '^lbuttonup'
click_and_wait 8 '^xbuttonup'
check "paused: side button 1 arrives as itself, no key" test "$(seen)" = "xbuttondown 1 xbuttonup 1 "
check "the pause is chosen again" pause_from_tray_menu
sleep 0.5
click_and_wait 1 '^lbuttonup'
click_and_wait 8 '^keyup'
check "resumed: side button 1 gives browser Back again" test "$(keys_seen)" = "keydown a6 keyup a6 "
stop_watch

finish
