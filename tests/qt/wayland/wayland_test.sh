#!/usr/bin/env bash
# The program on the Wayland platform, under weston's headless compositor:
# it starts with the focus in the date box, converts a date typed from the
# keyboard, opens and closes Instructions and About, leaves the placing of
# its windows to the compositor, and ends with status 0 (wayland_drive.cpp
# drives it from inside, the compositor having no keyboard of its own).
#   wayland_test.sh DRIVER QT_PLUGIN_DIR [LOG]
# Skipped (status 77), saying why, where weston or Qt's Wayland platform
# plugin is missing or the compositor does not come up in three tries.
# LOG, when given, keeps a copy of everything the test prints, skips too.
set -euo pipefail
driver=$1
plugins=$2
if (($# > 2)); then
  exec > >(tee "$3") 2>&1
fi
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }
compgen -G "$plugins/platforms/libqwayland-*.so" >/dev/null ||
  { echo "SKIP: Qt's Wayland platform plugin (qt6-wayland) is not installed in $plugins/platforms"; exit 77; }
limit=5 # seconds the compositor may take to come up

work=$(mktemp -d)
weston_pid=
cleanup() {
  if [[ -n $weston_pid ]]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

unset DISPLAY WAYLAND_SOCKET QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORMTHEME
# A runtime folder and a socket name of this run's own: the normal and the
# sanitizer suites may run this test at the same time.
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export WAYLAND_DISPLAY=mrv-wayland-test-$$
export DBUS_SESSION_BUS_ADDRESS=disabled:
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

now_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }
alive() { [[ -n $weston_pid ]] && kill -0 "$weston_pid" 2>/dev/null; }
start_weston() {
  weston --backend=headless-backend.so --no-config --idle-time=0 --socket="$WAYLAND_DISPLAY" \
    --log="$work/weston.log" >"$work/weston.out" 2>&1 &
  weston_pid=$!
  local deadline=$(($(now_ms) + limit * 1000))
  until [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]]; do
    if ! alive || (($(now_ms) >= deadline)); then
      echo "--- weston (attempt $attempt, $(alive && echo running || echo gone))"
      cat "$work/weston.log" "$work/weston.out" 2>/dev/null || true
      kill "$weston_pid" 2>/dev/null || true
      wait "$weston_pid" 2>/dev/null || true
      weston_pid=
      return 1
    fi
    sleep 0.02
  done
}
for attempt in 1 2 3; do
  start_weston && break
  if ((attempt == 3)); then
    echo "SKIP: weston's headless compositor did not come up in three tries"
    exit 77
  fi
done

# Without a seat the compositor offers no keyboard, and Qt's Wayland text
# input then reads the missing keyboard at the first key press: no input
# method is wanted here anyway. The program ends its process without Qt's
# Wayland teardown (finishApplication), so a sanitizer build has no leak
# check at its exit to make.
status=0
QT_QPA_PLATFORM=wayland QT_IM_MODULE=none timeout 60 "$driver" || status=$?
if ((status != 0)); then
  echo "FAIL: the program on Wayland ended with status $status; weston's log:"
  sed 's/^/  /' "$work/weston.log"
  exit 1
fi
echo "PASS"
