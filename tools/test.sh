#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build,
# the fuzz targets for a bounded time, then the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-deps.sh test
jobs=$(nproc)

# Formatting first, as it is the cheapest to mend: every C++ file must match
# .clang-format. The tracked files where git can list them, else all but builds.
if files=$(git ls-files -- '*.cpp' '*.h' 2>/dev/null); then
  mapfile -t cxx_files <<<"$files"
else
  mapfile -t cxx_files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
if ! out=$(clang-format --dry-run --Werror "${cxx_files[@]}" 2>&1); then
  echo "These files differ from .clang-format (mend with clang-format -i):" >&2
  grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<<"$out" | cut -d: -f1 | sort -u | sed 's/^/  /' >&2 ||
    echo "$out" >&2
  exit 1
fi
echo "formatting: ${#cxx_files[@]} C++ files match .clang-format"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMRVDATE_WERROR=ON
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")
# A skipped window-manager or Wayland test says why, with its logs, in the
# run's output.
show_window_manager_skip() {
  local log
  for log in "$1"/tests/qt/window_manager/window_manager.log "$1"/tests/qt/wayland/wayland.log; do
    if [[ -f $log ]] && grep -q '^SKIP' "$log"; then
      echo "$(basename "$log" .log) test was skipped in $1:"
      sed 's/^/  /' "$log"
    fi
  done
}
show_window_manager_skip build
# The core and the converter with Clang/libc++, MinGW-w64 under Wine, Emscripten under Node.
bash tools/test-toolchains.sh
# The Windows edition: both programs, the installer and the zip, tested under Wine.
bash tools/test-windows.sh
BUILD_DIR=build bash tools/test-web.sh # the web page: its core against the native one, the page in Chromium
BUILD_DIR=build bash tools/test-wiki.sh # the wiki module against the native converter, then in MediaWiki
bash tools/test-package.sh
# The converter's tables opened in a real spreadsheet, LibreOffice Calc
# headless: a step of its own, as its start-up is slow (15 to 45 s).
start=$SECONDS
python3 tests/cli/spreadsheet_reads_back.py build/cli/mrvdate-convert
echo "spreadsheet test: $((SECONDS - start)) s"

# libFuzzer targets (clang, with ASan + UBSan), each run for FUZZ_SECONDS on a
# fresh copy of its seed corpus, side by side. Any finding fails the run; the
# input that found it is left in build-fuzz/findings.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMRVDATE_WERROR=ON -DMRVDATE_FUZZ=ON -DMRVDATE_BUILD_GUI=OFF -DBUILD_TESTING=OFF
fuzz_targets=(read_number convert)
cmake --build build-fuzz -j "$jobs" --target "${fuzz_targets[@]/#/fuzz_}"
rm -rf build-fuzz/corpus build-fuzz/findings
mkdir -p build-fuzz/findings
pids=()
for t in "${fuzz_targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  cp fuzz/corpus/"$t"/* "build-fuzz/corpus/$t/"
  build-fuzz/fuzz/fuzz_"$t" -max_total_time="${FUZZ_SECONDS:-30}" -timeout=10 -dict=fuzz/numbers.dict \
    -artifact_prefix="build-fuzz/findings/$t-" -print_final_stats=1 "build-fuzz/corpus/$t" \
    >"build-fuzz/fuzz_$t.log" 2>&1 &
  pids+=($!)
done
fuzz_failed=0
for i in "${!fuzz_targets[@]}"; do
  t=${fuzz_targets[$i]}
  if wait "${pids[$i]}"; then
    echo "fuzz_$t: $(awk '/stat::number_of_executed_units/ { print $2 }' "build-fuzz/fuzz_$t.log") inputs, no findings"
  else
    echo "fuzz_$t: FINDING (log: build-fuzz/fuzz_$t.log)"
    tail -n 40 "build-fuzz/fuzz_$t.log"
    fuzz_failed=1
  fi
done
((fuzz_failed == 0))

# The whole suite again, window tests included, under ASan + UBSan; any leak
# report fails it (no suppressions are needed).
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMRVDATE_WERROR=ON -DMRVDATE_SANITIZE=ON
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$jobs")
show_window_manager_skip build-asan
