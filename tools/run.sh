#!/usr/bin/env bash
# Installs what is missing, builds, and starts the converter window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
exec ./build/app/MRVDate
