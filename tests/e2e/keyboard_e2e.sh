#!/usr/bin/env bash
# The window without a mouse: Tab shows where the focus is on the skinned
# buttons, Space presses them, and assistive technology in another process
# finds six push buttons it can name and press.
source "$(dirname "$0")/lib.sh"

SHOTS="$KV_REPORTS/keyboard"
mkdir -p "$SHOTS"
# shot NAME X Y WIDTH HEIGHT: that part of the main window, in its own pixels.
shot() {
  read -r _ _ _ left top _ _ < <(main_window)
  import -window root -crop "$4x$5+$((left + $2))+$((top + $3))" "$SHOTS/$1.png"
}
same_pixels() { cmp -s <(convert "$SHOTS/$1.png" rgb:-) <(convert "$SHOTS/$2.png" rgb:-); }
differs() { ! same_pixels "$1" "$2"; }
tabs() {
  for _ in $(seq "$1"); do xdotool key Tab sleep 0.3; done
  sleep 0.5
}
# The probe's line for a skinned button: class|name|role|state|default action.
accessible() { probe accessible | grep "^KV3050P.UserControl|$1|"; }
focused() {
  local state
  state="$(accessible "$1" | cut -d'|' -f4)"
  [ -n "$state" ] && ((0x$state & 0x4))
}

reg_delete DoPopup
reg_delete WheelButton
start_program
check "the window appears" wait_for '^KV3050PSetupForm 1 0 '
sleep 1
shot ok 376 506 57 23
shot cancel 442 506 57 23
shot logo 40 23 107 31
shot min 544 22 15 15

# Keys go to the focused window: click the skin first, as a user would.
# (Wine keeps no keyboard-cue state and shows focus cues from the start, so
# the cue hidden from a mouse user is for the unit tests over the sim.)
click_in_main 300 60
sleep 0.5
shot ok-after-click 376 506 57 23
check "clicking the skin focuses no button: OK looks as it opened" same_pixels ok ok-after-click

names="$(probe accessible)"
for name in Minimize OK Close Cancel Apply "Home page"; do
  check "\"$name\" is a push button with a default action to assistive technology" \
    grep -qx "KV3050P.UserControl|$name|2b|[0-9a-f]*|Press" <<<"$names"
done

tabs 4
shot min-focused 544 22 15 15
tabs 1
shot ok-focused 376 506 57 23
check "four Tabs from a fresh start put a visible focus on minimise" differs min min-focused
check "the fifth on OK" differs ok ok-focused
check "and assistive technology reads OK as focused" focused OK

xdotool keydown space sleep 0.5
shot ok-pressed 376 506 57 23
xdotool keyup space
check "Space down shows OK pressed" differs ok-focused ok-pressed
check "Space up presses OK: the window goes to the tray" wait_for '^KV3050PSetupForm 0 1 ' 10
check "and the choices are stored" test "$(reg_value WheelButton)" = "No use"

timeout 60 "$KV_ROOT/tools/wine-run" "$KV_EXE" >/dev/null 2>&1
check "a second start brings the window back" wait_for '^KV3050PSetupForm 1 0 ' 15
sleep 1
check "with the focus back on OK" focused OK

tabs 2
shot cancel-focused 442 506 57 23
check "two Tabs more show the focus on Cancel" differs cancel cancel-focused
tabs 6
shot logo-focused 40 23 107 31
check "six more, past the lists, on the logo" differs logo logo-focused
check "which assistive technology reads as focused" focused "Home page"

reg_delete WheelButton
check "assistive technology presses Cancel" probe press Cancel
check "which hides the window to the tray" wait_for '^KV3050PSetupForm 0 1 ' 10
check "and stores nothing" test -z "$(reg_value WheelButton)"

finish
