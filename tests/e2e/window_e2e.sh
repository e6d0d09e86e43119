#!/usr/bin/env bash
# The window as users treat it: Alt+F4 on it, one click on a scroll bar's
# arrow, an opened list, and what assistive technology reads of its buttons.
source "$(dirname "$0")/lib.sh"

tray_present() { probe toplevel | grep -q '|Wine System Tray$'; }
copies() { probe processes KV3050PSetup.exe; }
no_message_box() { ! probe windows "$TITLE" | grep -q '^#32770 1'; }
# The colour of a screen pixel, as "r,g,b".
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n '2s/^0,0: *(\([0-9]*,[0-9]*,[0-9]*\)).*/\1/p'
}

reg_delete DoPopup
reg_delete WheelButton
probe set-speed 13
start_program
check "the window appears" wait_for '^KV3050PSetupForm 1 0 '

# Alt+F4 goes to the focused window: click its skin first.
click_in_main 300 60
xdotool sleep 0.3 key alt+F4
check "Alt+F4 hides the window to the tray" wait_for '^KV3050PSetupForm 0 1 ' 10
check "with its icon" tray_present
check "and the program runs on" test "$(copies)" = 1

timeout 60 "$KV_ROOT/tools/wine-run" "$KV_EXE" >/dev/null 2>&1
woken=$SECONDS
check "a second start then wakes the running copy within 2 s" wait_woken
# Showing a window under a bare Xvfb can take Wine a while: wait for the outcome.
check "which brings its window back" wait_for '^KV3050PSetupForm 1 0 ' 10
echo "  the window was back $((SECONDS - woken)) s after the second copy ended"

# scrSpeed sits at (37, 388), 531 x 14: its right arrow is the last 14 pixels.
click_in_main 561 395
check "one click on the arrow from 13 warns \"Non-recommended as a speed\"" \
  wait_for '^#32770 1 0 .* Non-recommended as a speed$' 10
xdotool sleep 0.3 key Return
sleep 2
check "Enter dismisses it and no other warning follows" no_message_box
click_in_main 536 517
check "Apply is answered" wait_for '^#32770 1 0 .* Performance well adjusted$' 15
probe answer "$TITLE" 1
sleep 0.5
check "Apply stores MouseSensitivity 14: one click was one step" test "$(reg_value MouseSensitivity)" = 14

# cmbWButton sits at (160, 168), 105 x 20; its list drops below it, "No use"
# selected in its first row and "IExplorer" in the second.
click_in_main 210 178
sleep 1.5
read -r _ _ _ left top _ _ < <(main_window)
check "the opened list has the combo boxes' back colour 224,224,224" \
  test "$(pixel $((left + 250)) $((top + 208)))" = "224,224,224"
xdotool key Escape

names="$(probe children)"
for name in OK Cancel Apply Minimize Close "Home page"; do
  check "the skinned button \"$name\" is named for assistive technology" \
    grep -qx "KV3050P.UserControl|$name" <<<"$names"
done

finish
