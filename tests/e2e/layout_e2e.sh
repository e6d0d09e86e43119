#!/usr/bin/env bash
# The skinned, rounded window as the user sees it: where it opens, what shows
# outside its rounded corners, the hand over the scroll bars, and the painted
# OK button at work.
source "$(dirname "$0")/lib.sh"

SHOT="$KV_REPORTS/layout_e2e.png"
pixel() { convert "$SHOT" -format "%[pixel:p{$1,$2}]" info:; }
screen_size() { xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }'; }
cursor_at() {
  xdotool mousemove "$1" "$2" sleep 0.3 mousemove $(($1 + 1)) $(($2 + 1)) sleep 0.3
  probe cursor | sed 's/ .*//'
}

start_program
check "the window appears" wait_for '^KV3050PSetupForm 1 0 '
read -r _ _ _ left top width height < <(main_window)
read -r screen_width screen_height < <(screen_size)
check "it is 600 x 548 pixels" test "$width x $height" = "600 x 548"
check "it opens at the centre of the screen" \
  test "$left $top" = "$(((screen_width - 600) / 2)) $(((screen_height - 548) / 2))"

sleep 1
import -window root "$SHOT"
desktop="$(pixel 5 5)"
echo "  desktop $desktop, corner $(pixel $((left + 12)) $((top + 12))), body $(pixel $((left + 300)) $((top + 40)))"
check "the corners show the desktop, not the skin's yellow" \
  test "$(pixel $((left + 12)) $((top + 12)))" = "$desktop"
check "so does the edge outside the outline" test "$(pixel $((left + 5)) $((top + 300)))" = "$desktop"
check "the body shows the skin" test "$(pixel $((left + 300)) $((top + 40)))" != "$desktop"
check "no yellow anywhere on the screen" \
  test "$(convert "$SHOT" -fill black +opaque 'rgb(255,255,0)' -format '%[fx:maxima]' info:)" = "0"

# The pointer speed bar runs from (37, 388), 531 x 14 pixels.
over_skin="$(cursor_at $((left + 300)) $((top + 60)))"
over_bar="$(cursor_at $((left + 100)) $((top + 394)))"
echo "  pointer over the skin $over_skin, over the bar $over_bar"
check "over a scroll bar the pointer is the window's own, not the arrow" \
  test -n "$over_bar" -a "$over_bar" != "$over_skin"

# The painted OK sits at (376, 506), 57 x 23 pixels.
click_in_main 404 517
check "the painted OK hides the window to the tray" wait_for '^KV3050PSetupForm 0 1 ' 10

finish
