#!/usr/bin/env bash
# Runs the Windows windows' tests under Wine against BUILD_DIR's
# MRVDate.exe (a MinGW-w64 build with its tests): in a Wine session of their
# own (wine_session.sh), with a browser that records the addresses it is
# asked to open; once at 96 dpi, then under a German locale (the decimal
# comma) and at 144 dpi, each in a prefix of its own. Prints one summary line.
# Usage: window_tests.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: window_tests.sh BUILD_DIR}" && pwd)
source "$here/wine_session.sh"
started=$SECONDS
exe=$build/win32/MRVDate.exe
tests=$build/tests/win32/win32_window_tests.exe
for file in "$exe" "$tests"; do
  [[ -f $file ]] || { echo "window_tests: no $file (build MRVDate and win32_window_tests)" >&2; exit 1; }
done

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# The browser Wine's shell hands addresses to: it writes each to the log.
record_browser() {
  local dir=$1
  : >"$dir/browser.log"
  printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$dir/browser.log" >"$dir/browser.sh"
  chmod +x "$dir/browser.sh"
  wine_reg_string 'HKCU\Software\Wine\WineBrowser' Browsers "$dir/browser.sh"
  export MRVDATE_BROWSER_LOG
  MRVDATE_BROWSER_LOG=$(windows_path "$dir/browser.log")
}

export MRVDATE_EXE
MRVDATE_EXE=$(windows_path "$exe")
failed=0
runs=()
run() {
  local name=$1
  shift
  if "$@" >"$session/$name.log" 2>&1; then
    runs+=("$name passed")
  else
    runs+=("$name FAILED")
    failed=1
    cat "$session/$name.log"
  fi
}

session=$build/wine-windows
wine_session_start "$session" 96
record_browser "$session"
run 96dpi wine_run "$tests" --gtest_brief=1
wine_session_stop

# Wine takes the user's regional settings from the locale its prefix is
# made under: a prefix made in English can still give a later German
# program "." as its decimal separator, so the comma run has its own.
session=$build/wine-windows-comma
LC_ALL=de_DE.UTF-8
export LC_ALL
wine_session_start "$session" 96
record_browser "$session"
run comma env MRVDATE_TEST_COMMA=1 "$MRV_WINE" "$tests" --gtest_brief=1 --gtest_filter='MainWindow.EachCalendar*'
wine_session_stop
unset LC_ALL

session=$build/wine-windows-144
wine_session_start "$session" 144
record_browser "$session"
run 144dpi env MRVDATE_TEST_DPI=144 "$MRV_WINE" "$tests" --gtest_brief=1 \
  --gtest_filter='*Stands*:*ClientSize*:*EachIsModal*'
wine_session_stop

echo "windows' window tests: $(IFS=,; echo "${runs[*]}" | sed 's/,/, /g') in $((SECONDS - started)) s"
exit "$failed"
