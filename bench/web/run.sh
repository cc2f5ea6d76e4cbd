#!/usr/bin/env bash
# Builds the web page and measures it against the plain page (readiness.py):
# how soon it can convert, what it loads before that and its longest
# main-thread task while loading (tasks.py); then Lighthouse's
# four scores on a phone (lighthouse.py; Lighthouse comes from npm at the
# version bench/web/package-lock.json pins).
# ROUNDS: interleaved loads of each page (40 by default); SLOW_ROUNDS: of
# each at 4x processor slowdown, traced (10); LIGHTHOUSE_RUNS: runs (5).
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/web.sh --build >/dev/null
bash tools/setup-deps.sh test >/dev/null
/usr/bin/python3 bench/web/readiness.py build-web/site "${ROUNDS:-40}" "${SLOW_ROUNDS:-10}"
npm ci --prefix bench/web --no-audit --no-fund --loglevel=error
/usr/bin/python3 bench/web/lighthouse.py build-web/site "${LIGHTHOUSE_RUNS:-5}"
