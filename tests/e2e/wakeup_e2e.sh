#!/usr/bin/env bash
# A second start brings the running copy's window back from the tray, in
# front of other applications, and wholly on a screen wherever it was left.
source "$(dirname "$0")/lib.sh"

# poll SECONDS COMMAND...: until the command succeeds.
poll() {
  local deadline=$((SECONDS + $1))
  shift
  while [ $SECONDS -lt $deadline ]; do
    "$@" && return 0
    sleep 0.3
  done
  return 1
}
front_is() { probe foreground | grep -q "^$1|"; }
second_start() { timeout 60 "$KV_ROOT/tools/wine-run" "$KV_EXE" >/dev/null 2>&1; }
one_copy() { test "$(main_window | wc -l)" -eq 1; }
flag_is() { test "$(reg_value DoPopup)" = "$1"; }
window_at() { test "$(main_window | awk '{ print $4, $5 }')" = "$1 $2"; }
# The window lies wholly inside one monitor's work area.
wholly_on_screen() {
  local left top width height
  read -r _ _ _ left top width height < <(main_window)
  while read -r wl wt ww wh; do
    if [ "$left" -ge "$wl" ] && [ "$top" -ge "$wt" ] &&
       [ $((left + width)) -le $((wl + ww)) ] && [ $((top + height)) -le $((wt + wh)) ]; then
      return 0
    fi
  done < <(probe workareas)
  return 1
}

reg_delete DoPopup
start_program -TRAY
check "the program starts in the tray" wait_for '^KV3050PSetupForm 0 1 '
check "another application's window is in front" start_watch 240
check "it has the foreground" poll 10 front_is KVProbe

second_start
check "a second start ends by itself" test $? -eq 0
check "it brings the window back, normal" wait_for '^KV3050PSetupForm 1 0 ' 10
check "in front of the other application" poll 10 front_is KV3050PSetupForm
check "DoPopup is back to 0" wait_woken
check "exactly one copy runs" test "$(main_window | wc -l)" -eq 1

# The window left where no screen shows it, then sent to the tray.
probe move 5000 4000
check "another program can move the window off every screen" poll 10 window_at 5000 4000
probe post 0x10 0 0   # WM_CLOSE: to the tray, as Alt+F4 does
check "the window goes to the tray" wait_for '^KV3050PSetupForm 0 1 '
second_start
check "a second start brings it back" wait_for '^KV3050PSetupForm 1 0 ' 10
# Where Windows has the window. Wine quirk: under a bare Xvfb, once a window
# has been minimised, Wine no longer moves its X window (it waits for a window
# manager's word that never comes), so a screenshot still shows it off screen.
check "wholly on a screen" wholly_on_screen

# Any other writer of the flag wakes it too.
probe post 0x10 0 0
wait_for '^KV3050PSetupForm 0 1 '
reg_set DoPopup 1
check "a DoPopup of 1 written by another program shows the window" \
  wait_for '^KV3050PSetupForm 1 0 ' 10
check "and is reset to 0" wait_woken

# A second start while the first is itself still starting is not lost.
stop_wine
reg_delete DoPopup
start_program -TRAY
sleep 0.5
second_start
check "racing starts: one copy stays" poll 30 one_copy
check "racing starts: its window ends shown" wait_for '^KV3050PSetupForm 1 0 ' 30
check "racing starts: DoPopup ends 0" poll 10 flag_is 0

finish
