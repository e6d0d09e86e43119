#!/usr/bin/env bash
# The real program against a seeded registry: what start-up applies to the
# system, what Apply stores, and the single-copy rule.
source "$(dirname "$0")/lib.sh"

for name in SwapMouseButtons WheelButton XButton1 XButton2 MouseSensitivity DoubleClickSpeed \
            ScrollLine MouseSpeed MouseThreshold1 MouseThreshold2 DoPopup; do
  reg_delete "$name"
done
reg_set ScrollLine " 7 "
reg_set WheelButton "Excel"
reg_set XButton2 "backward"
probe set-dblclick 1000
probe set-wheel 2
probe set-speed 10
probe swap 0

start_program
check "the window appears, shown and not minimised" wait_for '^KV3050PSetupForm 1 0 '
params="$(probe params)"
echo "  system: $params"
check "stored wheel lines reach the system" grep -q 'wheel=7 ' <<<"$params"
check "a double-click time of 1000 ms becomes 900 ms" grep -q 'dblclick=900 ' <<<"$params"
check "pointer acceleration is off" grep -q 'accel=0,0,0' <<<"$params"
check "the primary button stays as it was" grep -q 'swap=0 ' <<<"$params"

# Apply sits at (508, 506), 57 x 23 pixels, in the window.
click_in_main 536 517
check "Apply says \"Performance well adjusted\"" \
  wait_for '^#32770 1 0 .* Performance well adjusted$' 15
probe answer "$TITLE" 1
declare -A expected=(
  [SwapMouseButtons]=0 [WheelButton]=Excel [XButton1]=Backward [XButton2]=Forward
  [MouseSensitivity]=10 [DoubleClickSpeed]=900 [ScrollLine]=7 [MouseSpeed]=0
  [MouseThreshold1]=0 [MouseThreshold2]=0)
for name in "${!expected[@]}"; do
  check "Apply stores $name = ${expected[$name]}" test "$(reg_value "$name")" = "${expected[$name]}"
done

# A second copy wakes the first through the flag and ends at once.
started=$SECONDS
timeout 60 "$KV_ROOT/tools/wine-run" "$KV_EXE" >/dev/null 2>&1
check "a second copy ends by itself" test $? -eq 0
echo "  the second copy ran for $((SECONDS - started)) s"
check "the running copy resets DoPopup to 0 within two seconds" wait_woken
check "exactly one copy runs" test "$(main_window | wc -l)" -eq 1
check "the window stays shown" wait_for '^KV3050PSetupForm 1 0 ' 2

finish
