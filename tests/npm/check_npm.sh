#!/usr/bin/env bash
# The npm package as its users get it: the packed tarball installed offline
# into an empty folder, docs/embedding.md's example run under Node and as a
# bundle (esbuild, pinned in tests/npm/package-lock.json), the API's table
# (api.mjs), every field of every answer against the batch converter's
# JSON Lines and line format on every 29th entry of tools/batch-entries.awk
# (compare.mjs), then <mrv-date> in headless Chromium (element_test.py).
#   check_npm.sh TARBALL CONVERTER
set -euo pipefail
cd "$(dirname "$0")/../.."
tarball=$(realpath "$1") converter=$(realpath "$2")
fail() {
  echo "npm: FAIL: $*" >&2
  exit 1
}
# The batch converter, whose status 1 only says that some entry was refused.
batch() { "$converter" "$@" || (($? == 1)); }
start=$SECONDS
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
app=$work/app
mkdir -p "$app"
echo '{ "private": true, "type": "module" }' >"$app/package.json"
(cd "$app" && npm install --offline --no-audit --no-fund --loglevel=error "$tarball") || fail "npm install $tarball"
echo "npm: $(basename "$tarball") ($(stat -c %s "$tarball") bytes) installs offline"
awk -v dir="$app" -f tools/doc-examples.awk docs/embedding.md
cp tests/npm/api.mjs tests/npm/compare.mjs "$app/"

expected=$'SC 338.30  -  EY 2002 AD  -  BW 84\n-84 year-zero'
[[ $(cd "$app" && node convert.mjs) == "$expected" ]] || fail "docs/embedding.md's example prints '$(cd "$app" && node convert.mjs)'"
(cd "$app" && node api.mjs) | sed 's/^/npm: /'

npm ci --prefix tests/npm --no-audit --no-fund --loglevel=error
esbuild=tests/npm/node_modules/.bin/esbuild
mkdir -p "$work/bundles"
"$esbuild" "$app/convert.mjs" --bundle --format=esm --platform=node --log-level=warning --outfile="$work/bundles/convert.mjs"
[[ $(node "$work/bundles/convert.mjs") == "$expected" ]] || fail "the esbuild bundle prints '$(node "$work/bundles/convert.mjs")'"
echo "npm: an esbuild bundle of the example runs on its own ($(stat -c %s "$work/bundles/convert.mjs") bytes)"
# The component's page loads it as a browser bundle.
echo "import 'mrvdate/element';" >"$app/element-entry.mjs"
"$esbuild" "$app/element-entry.mjs" --bundle --format=esm --log-level=warning --outfile="$app/element-bundle.js"

mawk -f tools/batch-entries.awk | mawk 'NR % 29 == 1' >"$work/entries.txt"
for calendar in sc ey aw; do
  batch --from $calendar --format jsonl <"$work/entries.txt" >"$work/jsonl"
  batch --from $calendar <"$work/entries.txt" >"$work/lines"
  (cd "$app" && node compare.mjs $calendar "$work/entries.txt" "$work/jsonl" "$work/lines") >"$work/out" ||
    fail "answers on $calendar differ from the batch converter's"
  batch --from $calendar --lenient --format jsonl <"$work/entries.txt" >"$work/jsonl"
  LC_ALL=de_DE.UTF-8 batch --from $calendar --lenient <"$work/entries.txt" >"$work/lines"
  (cd "$app" && node compare.mjs $calendar "$work/entries.txt" "$work/jsonl" "$work/lines" \
    '{"lenient":true,"separator":","}') >>"$work/out" || fail "lenient answers with \",\" on $calendar differ"
  LC_ALL=de_DE.UTF-8 batch --from $calendar --format jsonl <"$work/entries.txt" >"$work/jsonl"
  LC_ALL=de_DE.UTF-8 batch --from $calendar <"$work/entries.txt" >"$work/lines"
  (cd "$app" && node compare.mjs $calendar "$work/entries.txt" "$work/jsonl" "$work/lines" \
    '{"comma":true,"separator":","}') >>"$work/out" || fail "decimal-comma answers on $calendar differ"
  echo "npm: same as the batch converter: $calendar, by default, lenient and with a decimal comma, $(head -n 1 "$work/out")"
done

/usr/bin/python3 tests/npm/element_test.py "$app" ${NPM_SCREENSHOTS:-}
echo "npm: $((SECONDS - start)) s"
