# Shared steps of the end-to-end scripts: run the real program and the probe
# under Wine on the current display, record each check, write a report that
# counts them (reports/<script>.xml, in the GoogleTest format).
set -uo pipefail

: "${KV_ROOT:?}" "${KV_EXE:?}" "${KV_PROBE:?}" "${KV_REPORTS:?}" "${DISPLAY:?needs a display}"
export WINEPREFIX="${WINEPREFIX:-$KV_ROOT/build/wineprefix}" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
E2E_NAME="$(basename "$0" .sh)"
E2E_PASSED=0
E2E_FAILED=0
E2E_CASES=""
TITLE="KV-3050P Setup"
MOUSE_KEY='HKCU\Control Panel\Mouse'

wine_run() { "$KV_ROOT/tools/wine-run" "$@"; }
probe() { wine_run "$KV_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

xml_escape() {
  printf '%s' "$1" | sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g'
}

# check NAME COMMAND...: one case of the report.
check() {
  local title="$1" name
  name="$(xml_escape "$1")"
  shift
  if "$@"; then
    E2E_PASSED=$((E2E_PASSED + 1))
    echo "  ok   $title"
    E2E_CASES+="    <testcase name=\"$name\" status=\"run\" classname=\"$E2E_NAME\"/>"$'\n'
  else
    E2E_FAILED=$((E2E_FAILED + 1))
    echo "  FAIL $title"
    E2E_CASES+="    <testcase name=\"$name\" status=\"run\" classname=\"$E2E_NAME\"><failure message=\"failed\"/></testcase>"$'\n'
  fi
}

finish() {
  stop_wine
  mkdir -p "$KV_REPORTS"
  local total=$((E2E_PASSED + E2E_FAILED))
  cat >"$KV_REPORTS/$E2E_NAME.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<testsuites tests="$total" failures="$E2E_FAILED" disabled="0" errors="0" name="$E2E_NAME">
  <testsuite name="$E2E_NAME" tests="$total" failures="$E2E_FAILED" disabled="0" errors="0">
$E2E_CASES  </testsuite>
</testsuites>
XML
  echo "$E2E_NAME: $E2E_PASSED passed, $E2E_FAILED failed"
  [ "$E2E_FAILED" -eq 0 ]
}

stop_wine() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }

# Starts the program in the background with the given arguments.
start_program() {
  wine_run "$KV_EXE" "$@" >/dev/null 2>&1 &
  PROGRAM_PID=$!
}

# Waits until a window of the title exists with the class (and visibility) asked for.
wait_for() {
  local pattern="$1" seconds="${2:-30}"
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    probe windows "$TITLE" | grep -q -E "$pattern" && return 0
    sleep 0.3
  done
  return 1
}

main_window() { probe windows "$TITLE" | grep '^KV3050PSetupForm '; }

# Clicks at a point of the main window given in its own pixels.
click_in_main() {
  local x="$1" y="$2" button="${3:-1}"
  read -r _ _ _ left top _ _ < <(main_window)
  xdotool mousemove $((left + x)) $((top + y)) sleep 0.2 click "$button"
}

reg_value() {
  wine_run reg query "$MOUSE_KEY" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^  /, ""); print }'
}

# Waits up to about two seconds for the running copy to take a second start's
# wake-up: DoPopup back to "0".
wait_woken() {
  for _ in $(seq 8); do
    [ "$(reg_value DoPopup)" = "0" ] && return 0
    sleep 0.25
  done
  return 1
}

reg_set() { wine_run reg add "$MOUSE_KEY" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1; }
reg_delete() { wine_run reg delete "$MOUSE_KEY" /v "$1" /f >/dev/null 2>&1 || true; }

stop_wine

# A window of the probe's own in front, at (20, 20), 320 x 240 (or of the kind
# given: fullscreen, confined), that writes the keys and mouse buttons it
# receives to reports/<script>[.kind].watch.log.
start_watch() {
  mkdir -p "$KV_REPORTS"
  WATCH_LOG="$KV_REPORTS/$E2E_NAME${2:+.$2}.watch.log"
  : >"$WATCH_LOG"
  wine_run "$KV_PROBE" watch "${1:-240}" ${2:+"$2"} >"$WATCH_LOG" 2>/dev/null &
  WATCH_PID=$!
  local deadline=$((SECONDS + 30))
  while [ $SECONDS -lt $deadline ]; do
    grep -q '^ready' "$WATCH_LOG" && return 0
    sleep 0.2
  done
  return 1
}
# Closes the watch window before its time is up. Killing Wine's launcher
# would leave the Windows process running: the system ends it, as it ends
# every probe (the others have done their work by now).
stop_watch() {
  [ -n "${WATCH_PID:-}" ] || return 0
  wine_run taskkill /f /im probe.exe >/dev/null 2>&1 || true
  wait "$WATCH_PID" 2>/dev/null
  WATCH_PID=""
}
# The watch window's lines after the first N (all of them without N).
watch_lines() { tr -d '\r' <"$WATCH_LOG" | tail -n +"$((${1:-0} + 1))"; }
watch_count() { tr -d '\r' <"$WATCH_LOG" | wc -l; }
# Waits until the lines after the first N match the pattern.
wait_watch() {
  local after="$1" pattern="$2" seconds="${3:-10}"
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    watch_lines "$after" | grep -q -E "$pattern" && return 0
    sleep 0.2
  done
  return 1
}
# Clicks a mouse button over the middle of the watch window.
click_over_watch() { xdotool mousemove 180 140 sleep 0.3 click "$1"; }

# The open popup menu: its first line from the probe.
menu_rect() { probe menus | head -n1; }
wait_menu() {
  for _ in $(seq 30); do
    [ -n "$(menu_rect)" ] && return 0
    sleep 0.2
  done
  return 1
}
# Clicks item N (1-based) of the open tray menu, whose four items share its
# height evenly. (Wine lists no items of another process's menu.)
click_menu_item() {
  local left top width height
  read -r left top width height <<<"$(menu_rect)"
  xdotool mousemove $((left + width / 2)) $((top + height * (2 * $1 - 1) / 8)) sleep 0.2 click 1
}
