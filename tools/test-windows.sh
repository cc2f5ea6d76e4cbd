#!/usr/bin/env bash
# The Windows edition's tests, each step on one line with its time: builds
# it (tools/windows.sh, which also checks that both programs import only
# Windows' own DLLs), reads MRVDate.exe's version resource and icon group
# back, runs the window tests under Wine (tests/win32/window_tests.sh), and
# installs, starts, upgrades and removes the installer under Wine and lists
# the zip (tests/windows/installer_test.sh). Each step's whole output is in
# build-windows/test-logs/ when it fails.
set -euo pipefail
cd "$(dirname "$0")/.."
# The tests need the test set (an X server, a window manager, the locale).
bash tools/setup-deps.sh test >/dev/null
build="build-windows"
version=$(sed -n 's/^set(MRVDATE_VERSION \([0-9.]*\))$/\1/p' cmake/Release.cmake)
logs=$build/test-logs
failed=0

# step NAME COMMAND...: runs the command into its log; prints its last line
# and its seconds, or, when it fails, the log's end.
step() {
  local name=$1 start=$SECONDS
  shift
  mkdir -p "$logs"
  if "$@" >"$logs/$name.log" 2>&1; then
    printf 'windows %s: %s (%d s)\n' "$name" "$(tail -n 1 "$logs/$name.log")" $((SECONDS - start))
  else
    printf 'windows %s: FAILED after %d s (log: %s)\n' "$name" $((SECONDS - start)) "$logs/$name.log"
    tail -n 30 "$logs/$name.log" | sed 's/^/  /'
    failed=1
  fi
}

step build env WITH_TESTS=1 bash tools/windows.sh
[[ -f $build/MRVDate.exe ]] || exit 1
step resources /usr/bin/python3 tests/windows/check_resources.py "$build/MRVDate.exe" "$version"
if [[ -f tests/win32/window_tests.sh ]]; then
  step window-tests bash tests/win32/window_tests.sh "$build"
fi
step installer bash tests/windows/installer_test.sh "$build" "$version"
echo "windows: $( ((failed)) && echo FAILED || echo passed) in $SECONDS s"
exit $failed
