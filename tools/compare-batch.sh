#!/usr/bin/env bash
# Checks that mrvdate-convert --classic --lenient (release 1.1.0's pairing
# and the window's old reading) writes byte for byte what a reference build
# of it writes, for the entries of tools/batch-entries.awk (about 2.2 million)
# on each calendar, in the C locale and in a comma-decimal one. The
# reference is built from a git revision: by default the last one before the
# converter was rewritten for streaming and speed.
# Usage: tools/compare-batch.sh [REVISION]   (BUILD_DIR: the build to check)
# Another toolchain's converter is checked through CONVERTER, a command that
# runs it ("node build-wasm/cli/mrvdate-convert.js"), and LOCALES, the
# locales to run it in.
set -euo pipefail
cd "$(dirname "$0")/.."
revision=${1:-5ed0189a9843a6e6015da8acf1a409ebedecc48d}
build=${BUILD_DIR:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

git archive "$revision" | tar -x -C "$work" --one-top-level=src
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMRVDATE_BUILD_GUI=OFF \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build "$work/build" --target mrvdate-convert >/dev/null
reference="$work/build/cli/mrvdate-convert"
if [[ -n ${CONVERTER:-} ]]; then
  read -ra converter <<<"$CONVERTER"
else
  cmake --build "$build" --target mrvdate-convert >/dev/null
  converter=("$build/cli/mrvdate-convert")
fi

mawk -f tools/batch-entries.awk >"$work/entries.txt"
entries=$(wc -l <"$work/entries.txt")
failed=0
for locale in ${LOCALES:-C de_DE.UTF-8}; do
  for calendar in sc ey aw; do
    if cmp -s <(LC_ALL=$locale "$reference" --from $calendar <"$work/entries.txt") \
      <(LC_ALL=$locale "${converter[@]}" --classic --lenient --from $calendar <"$work/entries.txt"); then
      echo "same: $calendar, $locale, $entries entries"
    else
      echo "DIFFERENT: $calendar, $locale" >&2
      failed=1
    fi
  done
done
exit $failed
