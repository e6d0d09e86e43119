#!/usr/bin/env bash
# The notification icon and its menu, dragging the frameless window, and the
# exit question, with the real program.
source "$(dirname "$0")/lib.sh"

tray_present() { probe toplevel | grep -q '|Wine System Tray$'; }
no_tray() { ! tray_present; }
window_left_top() { main_window | awk '{ print $4, $5 }'; }
reg_delete DoPopup
start_program -TRAY
check "a start with -TRAY hides the window at its first activation" wait_for '^KV3050PSetupForm 0 1 '
check "the notification icon is there" tray_present

probe post 0x200 1 513   # the icon's left button pressed
check "a left press on the icon brings the window back, normal" wait_for '^KV3050PSetupForm 1 0 '

# The close glyph sits at (563, 22), 15 x 15 pixels.
click_in_main 570 29
check "the close button hides the window to the tray" wait_for '^KV3050PSetupForm 0 1 '
check "with its icon" tray_present

xdotool mousemove 300 300
probe post 0x200 1 517   # the icon's right button released
check "a right click on the icon opens the menu" wait_menu
check "at the pointer" test "$(menu_rect | awk '{ print $1, $2 }')" = "300 300"
click_menu_item 4 # Exit
check "Exit asks \"Do you want to exit this program?\"" \
  wait_for '^#32770 1 0 .* Do you want to exit this program\?$' 10
probe answer "$TITLE" 7
sleep 1
check "No leaves the program in the tray" wait_for '^KV3050PSetupForm 0 1 ' 5
check "with its icon" tray_present

xdotool mousemove 400 400
probe post 0x200 1 517
wait_menu
click_menu_item 1
check "the menu's first item shows the window" wait_for '^KV3050PSetupForm 1 0 ' 10

# Dragging by the window's own surface (a spot of the skin no control covers).
read -r left top <<<"$(window_left_top)"
xdotool mousemove $((left + 300)) $((top + 60)) sleep 0.2 mousedown 3 sleep 0.2 \
  mousemove $((left + 360)) $((top + 100)) sleep 0.2 mouseup 3
sleep 0.5
check "a right-button drag does not move the window" test "$(window_left_top)" = "$left $top"
xdotool mousemove $((left + 300)) $((top + 60)) sleep 0.2 mousedown 1 sleep 0.3 \
  mousemove $((left + 330)) $((top + 80)) sleep 0.3 mousemove $((left + 360)) $((top + 100)) \
  sleep 0.3 mouseup 1
sleep 0.5
check "a left-button drag moves the window with the pointer" \
  test "$(window_left_top)" = "$((left + 60)) $((top + 40))"

# Exit, confirmed.
click_in_main 570 29
wait_for '^KV3050PSetupForm 0 1 '
xdotool mousemove 300 300
probe post 0x200 1 517
wait_menu
click_menu_item 4 # Exit
wait_for '^#32770 1 0 .* Do you want to exit this program\?$' 10
probe answer "$TITLE" 6
ended=1
for _ in $(seq 50); do
  kill -0 "$PROGRAM_PID" 2>/dev/null || { ended=0; break; }
  sleep 0.2
done
check "Yes ends the process" test $ended -eq 0
check "and leaves no icon behind" no_tray
start_watch 60
before="$(watch_count)"
click_over_watch 8
check "its hook is gone: a side button reaches applications as itself" \
  wait_watch "$before" '^xbuttondown 1'

stop_wine
start_program -tray
check "a start with -tray (lower case) leaves the window shown" wait_for '^KV3050PSetupForm 1 0 '
sleep 1
check "and adds no icon" no_tray

finish
