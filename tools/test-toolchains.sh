#!/usr/bin/env bash
# Builds the conversion core, the forms, the batch converter and their tests
# with the other toolchains and runs them: Clang with libc++ (build-clang),
# MinGW-w64 with the programs run under Wine (build-mingw), Emscripten with the
# programs run under Node (build-wasm); the Clang build also the version
# resource's test. Each build configures the project's own CMake with plain
# options, warnings as errors. A cross build runs the
# core's tests under its emulator; its converter is run by the converter's
# tests from the Clang build, through MRVDATE_CONVERT.
# Needs the test set of tools/packages.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-deps.sh test >/dev/null
jobs=$(nproc)
here=$PWD
targets=(core_tests forms_tests mrvdate-convert)
common=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DMRVDATE_WERROR=ON -DMRVDATE_BUILD_GUI=OFF)

# Wine makes its prefix on first use, some seconds of mostly one processor:
# made beside the first builds. The build's tests use the same prefix.
export WINEPREFIX=$here/build-mingw/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
wine=/usr/lib/wine/wine64
mkdir -p build-mingw
"$wine" wineboot --init >build-mingw/wineboot.log 2>&1 &
wineboot=$!

step() { printf '%s: %s\n' "$1" "$2"; }

# Clang and libc++, GoogleTest built from Debian's sources for that library.
cmake -S . -B build-clang "${common[@]}" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-stdlib=libc++ >/dev/null
cmake --build build-clang -j "$jobs" --target "${targets[@]}" cli_tests cli_unit_tests version_resource_tests >/dev/null
(cd build-clang && ctest --output-on-failure -j "$jobs" | tail -n 3)
step clang "core and converter tests passed"
harness=$here/build-clang/tests/cli/cli_tests

# Runs the converter's tests on another build's converter, through a script
# that starts it under its emulator. Some tests ask what the emulator, not
# the program, decides; `skip` names them.
converter_tests() {
  local name=$1 skip=$2 command=$3
  local wrapper=$here/build-$name/mrvdate-convert-command
  printf '#!/bin/sh\nexec %s "$@"\n' "$command" >"$wrapper"
  chmod +x "$wrapper"
  MRVDATE_CONVERT=$wrapper "$harness" --gtest_brief=1 --gtest_filter="-$skip" | tail -n 2
}

# MinGW-w64: the programs link their runtimes in; Wine runs them.
cmake -S . -B build-mingw "${common[@]}" -DCMAKE_SYSTEM_NAME=Windows \
  -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix >/dev/null
cmake --build build-mingw -j "$jobs" --target "${targets[@]}" >/dev/null
wait "$wineboot" || { cat build-mingw/wineboot.log; exit 1; }
# One wine server for all the runs below: left to itself it exits a few
# seconds after its last client, and a program started just then can find
# it gone ("wine client error ... Connection reset by peer"). Wine's own
# services start with the server's first program: started here, they hold
# the log, not the output of a test that CTest waits on.
/usr/lib/wine/wineserver -p
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
"$wine" wineboot >>build-mingw/wineboot.log 2>&1
(cd build-mingw && ctest --output-on-failure | tail -n 3)
# Windows' C library reports a closed or a directory standard input as
# "Invalid argument", not as Linux does.
converter_tests mingw BatchConverter.FailuresSayWhichStreamAndWhat \
  "$wine $here/build-mingw/cli/mrvdate-convert.exe"
step mingw "core tests and converter tests passed under Wine"

# Emscripten: Node runs the programs (Debian's em++ finds acorn through
# NODE_PATH under any Node).
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-wasm "${common[@]}" >/dev/null
cmake --build build-wasm -j "$jobs" --target "${targets[@]}" >/dev/null
(cd build-wasm && ctest --output-on-failure | tail -n 3)
# A WebAssembly program sees neither the process's locale (it writes ".")
# nor a closed standard stream: Node opens /dev/null in its place.
converter_tests wasm BatchConverter.WritesTheLocaleDecimalSeparator:BatchConverter.FailuresSayWhichStreamAndWhat \
  "node $here/build-wasm/cli/mrvdate-convert.js"
step emscripten "core tests and converter tests passed under Node"
echo "toolchains: Clang/libc++, MinGW-w64 under Wine, Emscripten under Node passed in ${SECONDS} s"
