#!/usr/bin/env bash
# The real program under a real window manager (openbox) on a virtual X
# server, driven by real key presses at typing speed: each window's outer
# frame, title bar and borders included, is centred on the screen, and the
# focus comes back to the main window whenever a secondary window or a
# message box closes, by OK or by the window manager's close.
#   window_manager_test.sh PROGRAM [LOG]
# LOG, when given, keeps a copy of everything the test prints, skips too.
set -euo pipefail
program=$1
if (($# > 1)); then
  exec > >(tee "$2") 2>&1
fi
for tool in Xvfb openbox xdotool xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
typing_delay=40 # ms between keys
limit=5         # seconds any one condition may take

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

now_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }

# Polls a command until it succeeds; false after the limit.
wait_until() {
  local deadline=$(($(now_ms) + limit * 1000))
  until "$@" 2>/dev/null; do
    (($(now_ms) < deadline)) || return 1
    sleep 0.02
  done
}

unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
# No session bus in this private X session. Left unset, D-Bus would try to
# start one for the display (autolaunch), which could outlive the test.
export DBUS_SESSION_BUS_ADDRESS=disabled:
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# The X server, on the first free display, and the window manager, each
# waited for until it answers. A server or window manager that fails to come
# up is started afresh (a display taken meanwhile, a busy machine); each
# failure shows its log, so that a broken environment is told apart from a
# fault of the program.
alive() { kill -0 "$1" 2>/dev/null; }
has_display() { grep -q '^[0-9][0-9]*$' "$work/display"; }
# True also once the server is gone: nothing to wait for then.
x_settled() { xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null || ! alive "$xvfb_pid"; }
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
show_log() { echo "--- $1 (attempt $attempt)"; cat "$work/$1" 2>/dev/null || true; }
start_x() {
  : >"$work/display"
  # No access control: the server is this test's own, on a local socket
  # only, and a host whose network set-up hides it from the server's list
  # of local addresses must not lock the test out.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  pids+=("$xvfb_pid")
  wait_until has_display || { show_log xvfb.log; echo "the X server gave no display"; return 1; }
  export DISPLAY=:$(head -n 1 "$work/display")
  wait_until x_settled && alive "$xvfb_pid" || {
    show_log xvfb.log
    echo "the X server on $DISPLAY does not answer (server $(alive "$xvfb_pid" && echo running || echo gone))"
    return 1
  }
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  pids+=("$wm_pid")
  wait_until wm_running || {
    show_log openbox.log
    show_log xvfb.log
    echo "the window manager did not start on $DISPLAY (server $(alive "$xvfb_pid" && echo running || echo gone))"
    return 1
  }
}
stop_x() {
  kill "$wm_pid" "$xvfb_pid" 2>/dev/null || true
  wait "$wm_pid" "$xvfb_pid" 2>/dev/null || true
}
xvfb_pid= wm_pid=
for attempt in 1 2 3; do
  start_x && break
  stop_x
  # Not the program's fault: reported as a skip, with the logs above.
  ((attempt < 3)) || { echo "SKIP: no X server with a window manager could be started here"; exit 77; }
done

read -r screen_width screen_height < <(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')

QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

active_window() { xdotool getactivewindow; }
active_is() { [[ $(active_window) == "$1" ]]; }
active_named() {
  local id
  id=$(active_window) && [[ $(xdotool getwindowname "$id") == "$1" ]]
}
framed() { xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '='; }

# Waits for the window called $1 to come up active and framed; its id is
# left in $window. Later steps depend on it, so callers stop when it fails.
await_window() {
  window=
  wait_until active_named "$1" || { fail "\"$1\" did not come up active"; return 1; }
  window=$(active_window)
  wait_until framed "$window" || { fail "\"$1\" has no frame from the window manager"; return 1; }
}

# Left = (screen width - outer width) / 2 and Top likewise, within 1 px.
check_centred() {
  local name=$1 id=$2 x y w h l r t b
  read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
    /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }')
  IFS=', ' read -r l r t b < <(xprop -id "$id" -notype _NET_FRAME_EXTENTS | sed 's/.*= *//')
  ((t > 0)) || fail "$name: the window manager gave no title bar"
  local left=$((x - l)) top=$((y - t)) outer_w=$((w + l + r)) outer_h=$((h + t + b))
  # Twice the distance from the exact centre, which may fall on a half pixel.
  local dx=$((2 * left - (screen_width - outer_w))) dy=$((2 * top - (screen_height - outer_h)))
  if ((dx < -2 || dx > 2 || dy < -2 || dy > 2)); then
    fail "$name: outer frame at $left,$top ${outer_w}x$outer_h is not centred on ${screen_width}x$screen_height"
  else
    echo "ok: $name centred, outer frame at $left,$top ${outer_w}x$outer_h"
  fi
}

# After $1 closes, the main window is active again.
check_focus_back() {
  if wait_until active_is "$main"; then
    echo "ok: focus back in the main window after $1"
  else
    fail "focus not back in the main window after $1"
  fi
}

finish() {
  if ((failures)); then
    echo "--- program output"
    cat "$work/program.log"
    exit 1
  fi
  echo "all window-manager checks passed"
  exit 0
}

keys() { xdotool key --delay "$typing_delay" "$@"; }
type_text() { xdotool type --delay "$typing_delay" "$1"; }

# Start-up may take longer, under a sanitizer on a busy machine.
limit=30 await_window "Morvane Timeline Date Converter" || finish
main=$window
check_centred "main window" "$main"

# Earth years from here on: the two entries below then give different
# message boxes, so the box that comes up tells which text the date box held.
keys alt+e

keys alt+h i
await_window "Instructions for Morvane Date Converter" || finish
check_centred "Instructions" "$window"
keys Return
check_focus_back "Instructions closed by OK"

# Typed into the date box, 99999 is out of range; lost, the empty entry is
# the year zero.
type_text 99999
keys Return
await_window "Morvane Date Converter" || finish
keys Return
check_focus_back "the out-of-range message closed by OK"

# The whole entry is selected now: typed, 0 replaces it (the year zero);
# lost, 99999 stays.
type_text 0
keys Return
await_window "MRV Date Convertor" || finish
keys alt+F4
check_focus_back "the year-zero notice closed by the window manager"

keys alt+h b
await_window "About MRV Date Converter" || finish
check_centred "About" "$window"
keys alt+F4
check_focus_back "About closed by the window manager"

keys BackSpace
type_text 99999
keys Return
await_window "Morvane Date Converter" || finish
keys space
check_focus_back "the out-of-range message closed by Space"

# Still where it was put at the start: no later move.
check_centred "main window, at the end" "$main"

keys alt+h x
program_gone() { ! kill -0 "$program_pid"; }
if wait_until program_gone; then
  status=0
  wait "$program_pid" || status=$?
  ((status == 0)) || fail "the program ended with status $status"
else
  fail "Help > Exit did not end the program"
fi

finish
