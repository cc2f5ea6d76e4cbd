#!/usr/bin/env bash
# Start-up of MRVDate.exe under Wine, to its main window's first paint,
# against the floor: a plain Win32 window with the same kinds of control
# (floor.cpp), once with an icon in its picture control and once with the
# library picture decoded by GDI+ as the program does. first_paint.exe starts the two in turn, ROUNDS rounds (100 by
# default) after one round to warm Wine's caches, and reports each one's
# median. Then the sizes of both programs and of the installer.
# Run as bash bench/run.sh windows-startup; builds into build-windows/.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD_DIR:-build-windows}
bash tools/setup-deps.sh windows >/dev/null
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMRVDATE_WERROR=ON -DMRVDATE_BUILD_BENCH=ON \
  -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix >/dev/null
cmake --build "$build" -j "${JOBS:-2}" --target windows-packages startup_floor startup_floor_picture first_paint >/dev/null

# shellcheck source=tests/win32/wine_session.sh
source tests/win32/wine_session.sh
wine_session_start "$build/bench-session"
windows_path() { printf 'Z:%s' "$(realpath "$1" | tr / '\\')"; }
programs=("$(windows_path "$build/MRVDate.exe")" "$(windows_path "$build/bench/windows/startup_floor.exe")"
  "$(windows_path "$build/bench/windows/startup_floor_picture.exe")")
starter=$build/bench/windows/first_paint.exe
wine_run "$starter" 1 "${programs[@]}" >/dev/null
wine_run "$starter" "${ROUNDS:-100}" "${programs[@]}" | tr -d '\r' >"$build/bench-session/startup.txt"
program_ms=$(awk -F'\t' 'NR == 1 { print $1 }' "$build/bench-session/startup.txt")
floor_ms=$(awk -F'\t' 'NR == 2 { print $1 }' "$build/bench-session/startup.txt")
picture_ms=$(awk -F'\t' 'NR == 3 { print $1 }' "$build/bench-session/startup.txt")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
kib() { echo $(($(stat -c %s "$1") / 1024)); }
version=$(sed -n 's/^set(MRVDATE_VERSION \([0-9.]*\))$/\1/p' cmake/Release.cmake)

echo "| Measure | Result | Goal |"
echo "|---|---|---|"
echo "| start-up to first paint under Wine vs a plain Win32 window showing the same picture | $program_ms ms vs $picture_ms ms: $(ratio "$program_ms" "$picture_ms")× | ≤ 1.05× |"
echo "| the same vs the plain window with an icon for its picture | $program_ms ms vs $floor_ms ms: $(ratio "$program_ms" "$floor_ms")× | |"
echo "| MRVDate.exe, mrvdate-convert.exe (static, stripped) | $(kib "$build/MRVDate.exe") KB, $(kib "$build/mrvdate-convert.exe") KB | |"
echo "| MRVDate-$version-x64.msi, the zip | $(kib "$build/MRVDate-$version-x64.msi") KB, $(kib "$build/MRVDate-$version-windows-x64.zip") KB | |"
echo
echo "Medians of ${ROUNDS:-100} interleaved rounds under Wine $(wine_run --version 2>/dev/null | tr -d '\r'), Xvfb and openbox; $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)."
