#!/usr/bin/env bash
# Builds the web page and measures it against the plain page (readiness.py):
# how soon it can convert, and what it loads before that.
# ROUNDS: interleaved loads of each page (40 by default).
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/web.sh --build >/dev/null
bash tools/setup-deps.sh test >/dev/null
/usr/bin/python3 bench/web/readiness.py build-web/site "${ROUNDS:-40}"
