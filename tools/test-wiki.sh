#!/usr/bin/env bash
# The wiki module's tests: its texts are the program's (resources/texts.json);
# under Debian's lua5.1 it gives the native converter's answers, every field
# byte for byte (tests/wiki/compare.lua), on every whole entry of each
# calendar's range and 1,000 beyond each limit, and on the 2.9 million
# entries of tools/batch-entries.awk (halfway cases, exponents, fractions,
# long and oversized entries, refusals; WIKI_COMPARE_STEP=N takes every N-th
# only), with "." (and every 7th with ","); then in Debian's MediaWiki with
# Scribunto (tests/wiki/mediawiki_test.sh).
# The converter reads as the module does, by the window's rule, in its
# default reading: jsonl for ".", the line format under de_DE.UTF-8 for ",".
# BUILD_DIR: a native build to compare with (else one is made).
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

native=${BUILD_DIR:-build}
if [[ ! -f $native/build.ninja ]]; then
  native=build-wiki-native
  [[ -f $native/build.ninja ]] ||
    cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMRVDATE_BUILD_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$native" --target mrvdate-convert wiki-dump >/dev/null
convert=$native/cli/mrvdate-convert

# The messages and names the module writes are the program's.
python3 - resources/texts.json wiki/MRVDate.lua <<'PY'
import json, sys
texts = json.load(open(sys.argv[1]))
refusals = texts["refusals"]
module = open(sys.argv[2], encoding="utf-8").read()
names = "local calendarNames = { sc = '%s', ey = '%s', aw = '%s' }" % tuple(texts["calendars"]["names"])
if names not in module:
    sys.exit("wiki: the module's calendar names are not texts.json's")
names = {"OutOfRange": "out-of-range", "YearZero": "year-zero", "NotANumber": "not-a-number"}
for key, name in names.items():
    line = "\t['%s'] = '%s'," % (name, refusals[key]["message"])
    if line not in module:
        sys.exit("wiki: the module's %s message is not texts.json's: %s" % (name, refusals[key]["message"]))
print("wiki: the module's messages and calendar names are the program's")
PY

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mawk -f tools/batch-entries.awk | mawk -v step="${WIKI_COMPARE_STEP:-1}" '(NR - 1) % step == 0' >"$work/hard.txt"
# Characters next to the digits, and texts that only start like numbers.
printf '%s\n' :5 1e1: /5 5/ 5: 1e/ '&HG' '&H1G' '&O8' 1e 1e+ --5 +-5 . - '753 BC' 19O4 1.000,5 ' ' '' >>"$work/hard.txt"
# Every whole entry: each year, on SC each hundredth, 1,000 years beyond each limit.
mawk 'BEGIN { for (h = 147; h <= 67681; h++) printf "%d.%02d\n", int(h / 100), h % 100 }' >"$work/sc.txt"
mawk 'BEGIN { for (y = -31682; y <= 35853; y++) print y }' >"$work/ey.txt"
mawk 'BEGIN { for (y = -33767; y <= 33767; y++) print y }' >"$work/aw.txt"
failed=0
for calendar in sc ey aw; do
  cat "$work/$calendar.txt" "$work/hard.txt" >"$work/entries.txt"
  "$convert" --from $calendar --format jsonl <"$work/entries.txt" >"$work/answers.jsonl" || true
  lua5.1 tests/wiki/compare.lua wiki/MRVDate.lua jsonl $calendar . "$work/entries.txt" "$work/answers.jsonl" ||
    failed=1
  # With a decimal comma, read and written by both: the whole entries again,
  # and every 7th of the others (the digits are those compared above).
  { cat "$work/$calendar.txt"; mawk 'NR % 7 == 1' "$work/hard.txt"; } | tr . , >"$work/comma.txt"
  LC_ALL=de_DE.UTF-8 "$convert" --from $calendar <"$work/comma.txt" >"$work/answers.txt" || true
  lua5.1 tests/wiki/compare.lua wiki/MRVDate.lua line $calendar , "$work/comma.txt" "$work/answers.txt" ||
    failed=1
done
((failed == 0))

bash tests/wiki/mediawiki_test.sh "$native/wiki/MRVDate.xml"
echo "wiki tests: $((SECONDS - start)) s"
