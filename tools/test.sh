#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build,
# then the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMRVDATE_WERROR=ON
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMRVDATE_WERROR=ON -DMRVDATE_SANITIZE=ON
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$jobs")
