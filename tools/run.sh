#!/usr/bin/env bash
# Installs what building and running the window needs (only what is missing),
# builds the window program alone in build-run, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-deps.sh window
build=build-run
# Configured once; later builds re-run CMake by themselves when a list changes.
if [[ ! -f $build/build.ninja ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
fi
cmake --build "$build" --target MRVDate
exec "./$build/app/MRVDate"
