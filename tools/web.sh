#!/usr/bin/env bash
# The web edition: installs what is missing, builds the page into
# build-web/site/ and serves it on http://127.0.0.1:8080/ until interrupted.
#   bash tools/web.sh           build and serve (PORT=N serves on another port)
#   bash tools/web.sh --build   build only
set -euo pipefail
cd "$(dirname "$0")/.."
case ${1:-} in
'' | --build) ;;
*)
  echo "usage: tools/web.sh [--build]" >&2
  exit 2
  ;;
esac
bash tools/setup-deps.sh web
# Debian's Emscripten finds its JavaScript parser through NODE_PATH when the
# node on PATH is not Debian's own.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
build=build-web
if [[ ! -f $build/build.ninja ]]; then
  emcmake cmake -S web -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build"
echo "web: the page is in $build/site/ ($(du -sh "$build/site" | cut -f1)); copy that folder to any static host"
[[ ${1:-} == --build ]] && exit 0
port=${PORT:-8080}
echo "web: serving on http://127.0.0.1:$port/ (Ctrl+C stops)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$build/site"
