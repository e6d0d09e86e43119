#!/usr/bin/env bash
# The window at 100, 125, 150 and 200 % (LogPixels 96, 120, 144, 192): its
# size and every place scale with the density, it opens centred, its corners
# are cut and the skin reaches its scaled edges, and the controls sit on the
# slots painted for them. Runs in a prefix and on a screen of its own: the
# density is the prefix's, and 200 % needs more than 1024 rows.
if [ -z "${KV_DENSITY_SCREEN:-}" ]; then
  export KV_DENSITY_SCREEN=1
  KV_XVFB_SCREEN=2560x1600x24 exec "$KV_ROOT/tools/with-xvfb" bash "$0" "$@"
fi
export WINEPREFIX="$KV_ROOT/build/wineprefix-density"
source "$(dirname "$0")/lib.sh"

pixel() { convert "$SHOT" -format "%[pixel:p{$1,$2}]" info:; }
luminance() { convert "$SHOT" -format "%[fx:int(255*p{$1,$2}.luminance)]" info:; }
# Twips of the layout as pixels at the density, rounded as the window rounds them.
px() { echo $((($1 * dpi + 720) / 1440)); }
# 96-dpi skin pixels scaled to the density.
skin() { echo $((($1 * dpi * 2 + 96) / 192)); }
screen_size() { xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }'; }

set_density() {
  stop_wine
  wine_run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  stop_wine
}

read -r screen_width screen_height < <(screen_size)
for dpi in 96 120 144 192; do
  echo "-- $dpi dpi"
  SHOT="$KV_REPORTS/density_e2e_$dpi.png"
  set_density "$dpi"
  start_program
  check "$dpi dpi: the window appears" wait_for '^KV3050PSetupForm 1 0 '
  read -r _ _ _ left top width height < <(main_window)
  check "$dpi dpi: it is 9000 x 8220 twips, $(px 9000) x $(px 8220) pixels" \
    test "$width x $height" = "$(px 9000) x $(px 8220)"
  check "$dpi dpi: it opens at the centre of the screen" \
    test "$left $top" = "$(((screen_width - width) / 2)) $(((screen_height - height) / 2))"
  sleep 1
  import -window root "$SHOT"
  desktop="$(pixel 5 5)"
  edge=$(skin 12)
  check "$dpi dpi: the top-left and bottom-right corners are cut" \
    test "$(pixel $((left + edge + 1)) $((top + edge + 1)))" = "$desktop" \
    -a "$(pixel $((left + $(skin 590) - 2)) $((top + $(skin 540) - 2)))" = "$desktop"
  right=$(($(skin 590) - 1))
  check "$dpi dpi: the skin reaches the scaled right edge, and no further" \
    test "$(pixel $((left + right)) $((top + height / 2)))" != "$desktop" \
    -a "$(pixel $((left + right + 1)) $((top + height / 2)))" = "$desktop"
  check "$dpi dpi: no yellow anywhere on the screen" \
    test "$(convert "$SHOT" -fill black +opaque 'rgb(255,255,0)' -format '%[fx:maxima]' info:)" = "0"
  # Light controls on dark slots: inside each control, and just outside it.
  for control in "cmbLButton 2400 1680 1575 300" "scrSpeed 555 5820 7965 210" \
    "scrClickSpeed 570 6810 3690 210" "scrWheelScroll 4815 6825 3690 210"; do
    read -r name l t w h <<<"$control"
    x=$((left + $(px "$l") + $(px "$w") / 4)) y=$((top + $(px "$t") + $(px "$h") / 2))
    above=$((top + $(px "$t") - 1))
    inside=$(luminance "$x" "$y") outside=$(luminance "$x" "$above")
    echo "  $name: inside $inside, a pixel above $outside"
    check "$dpi dpi: $name sits on its slot at its scaled place" \
      test "$inside" -gt 150 -a "$outside" -lt 100
  done
  # The painted OK: its face from the button's scaled place.
  click_in_main $(($(px 5640) + $(px 855) / 2)) $(($(px 7590) + $(px 345) / 2))
  check "$dpi dpi: the painted OK at its scaled place hides the window" \
    wait_for '^KV3050PSetupForm 0 1 ' 10
done
set_density 96
finish
