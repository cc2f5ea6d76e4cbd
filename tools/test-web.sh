#!/usr/bin/env bash
# The web edition's tests: builds the page, checks that the WebAssembly core
# writes the native converter's answers (read --lenient, as the window and
# the page read) byte for byte under Node, for the 2.9 million entries of
# tools/batch-entries.awk on each calendar, with "." and "," as separator
# (WEB_COMPARE_STEP=N takes every N-th entry only), then runs the page in
# headless Chromium: its behaviours (tests/web/page_test.py), and its touch
# and dark layouts with axe-core's rules (tests/web/layouts_test.py; axe-core
# comes from npm at the version tests/web/package-lock.json pins); then the
# npm package as a user installs it, its answers against the native
# converter's JSON Lines and its element in Chromium (tests/npm/check_npm.sh).
# BUILD_DIR: a native build to compare with (else one is made).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/web.sh --build

native=${BUILD_DIR:-build}
if [[ ! -f $native/build.ninja ]]; then
  native=build-web-native
  [[ -f $native/build.ninja ]] ||
    cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMRVDATE_BUILD_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$native" --target mrvdate-convert >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mawk -f tools/batch-entries.awk | mawk -v step="${WEB_COMPARE_STEP:-1}" '(NR - 1) % step == 0' >"$work/entries.txt"
entries=$(wc -l <"$work/entries.txt")
((entries > 0)) || { echo "web: no entries to compare" >&2; exit 1; }
failed=0
for locale_separator in C:. de_DE.UTF-8:,; do
  locale=${locale_separator%:*}
  separator=${locale_separator##*:}
  for calendar in sc ey aw; do
    if cmp <(LC_ALL=$locale "$native/cli/mrvdate-convert" --lenient --from $calendar <"$work/entries.txt") \
      <(node tests/web/convert_lines.js build-web/site/mrvcore.js $calendar "$separator" <"$work/entries.txt"); then
      echo "web: same as native: $calendar, \"$separator\", $entries entries"
    else
      echo "web: DIFFERENT from native: $calendar, \"$separator\"" >&2
      failed=1
    fi
  done
done
((failed == 0))

status=0
/usr/bin/python3 tests/web/page_test.py build-web/site || status=1
npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
/usr/bin/python3 tests/web/layouts_test.py build-web/site || status=1
tarballs=(build-web/npm/mrvdate-*.tgz)
bash tests/npm/check_npm.sh "${tarballs[0]}" "$native/cli/mrvdate-convert" || status=1
exit $status
