#!/bin/bash
# The program's command line answered without a window or a display:
#   command_line_test.sh MRVDATE VERSION
set -u
program=$1 version=$2
failures=0
errfile=$(mktemp)
trap 'rm -f "$errfile"' EXIT

# run ARGS...: sets status, out and err; the display variables are gone,
# so a program that tried to open a window would fail instead.
run() {
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" "$@" 2>"$errfile")
    status=$?
    err=$(<"$errfile")
}
fail() {
    echo "FAIL: MRVDate $*"
    failures=$((failures + 1))
}
# expect STATUS STDOUT-PATTERN STDERR-LINES ARGS...
expect() {
    local want_status=$1 want_out=$2 want_err_lines=$3
    shift 3
    run "$@"
    [[ $status == "$want_status" ]] || fail "$*: status $status, not $want_status; stderr: $err"
    [[ $out =~ $want_out ]] || fail "$*: standard output does not match '$want_out': $out"
    local lines=0
    [[ -z $err ]] || lines=$(printf '%s\n' "$err" | wc -l)
    [[ $lines == "$want_err_lines" ]] || fail "$*: $lines lines on standard error, not $want_err_lines: $err"
}

expect 0 '^Usage: .*MRVDate \[options\].*--version' 0 --help
expect 0 '^Usage: ' 0 -h
# The calendars as their table names them.
expect 0 'Space Century \(SC\), Earth Year \(EY\) and After War \(AW\)\.' 0 --help
expect 0 "^MRVDate $version\$" 0 --version
# Qt's options, with a value apart or attached, pass through to Qt.
expect 0 "^MRVDate $version\$" 0 -platform offscreen -style=fusion -reverse --version
expect 2 '^$' 1 --bogus
expect 2 '^$' 1 -bogus
expect 2 '^$' 1 stray
# -platform reaches QApplication: a platform that does not exist is Qt's failure.
run -platform no-such-platform
[[ $status != 0 && $err == *no-such-platform* ]] || fail "-platform no-such-platform: status $status, stderr: $err"

exit $((failures > 0))
