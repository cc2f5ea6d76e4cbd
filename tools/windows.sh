#!/usr/bin/env bash
# Builds the Windows edition into build-windows/ with MinGW-w64: MRVDate.exe
# (the Win32 window) and mrvdate-convert.exe, both static, then the
# installer MRVDate-<version>-x64.msi and MRVDate-<version>-windows-x64.zip.
# Installs what is missing first (the windows set of tools/packages.sh).
# Checks that each program imports Windows' own DLLs only.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-deps.sh windows
# WITH_TESTS=1 (tools/test-windows.sh) builds the window tests' driver too.
build=${BUILD_DIR:-build-windows}
targets=(windows-packages)
testing=OFF
if [[ ${WITH_TESTS:-0} == 1 ]]; then
  targets+=(win32_window_tests)
  testing=ON
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMRVDATE_WERROR=ON -DBUILD_TESTING=$testing \
  -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

# A DLL of MinGW's (libstdc++, libgcc, libwinpthread) beside the program
# would have to ship with it: the programs link them in instead.
bash tests/windows/check_imports.sh "$build/MRVDate.exe" "$build/mrvdate-convert.exe"
version=$(sed -n 's/^set(MRVDATE_VERSION \([0-9.]*\))$/\1/p' cmake/Release.cmake)
sizes=()
for f in MRVDate.exe mrvdate-convert.exe "MRVDate-$version-x64.msi" "MRVDate-$version-windows-x64.zip"; do
  sizes+=("$f ($(($(stat -c %s "$build/$f") / 1024)) KB)")
done
printf 'windows: built in %s/: %s, %s, %s, %s\n' "$build" "${sizes[@]}"
