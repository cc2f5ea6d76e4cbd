#!/usr/bin/env bash
# Installs what building and running the window needs (only what is missing),
# builds the window program and the batch converter in build-run, says where
# both are, and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-deps.sh window
build=build-run
# Configured once; later builds re-run CMake by themselves when a list changes.
if [[ ! -f $build/build.ninja ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
fi
cmake --build "$build" --target MRVDate mrvdate-convert
echo "The window: $build/app/MRVDate; the batch converter: $build/cli/mrvdate-convert"
exec "./$build/app/MRVDate"
