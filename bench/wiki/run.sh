#!/usr/bin/env bash
# The wiki module's speed, in rounds interleaved with its anchors
# (WIKI_ROUNDS, 5 by default; medians printed):
# - under lua5.1, 1,000,000 entries per calendar as users enter them
#   (two-decimal SC dates, whole EY and AW years) converted to lines by the
#   module (bench/wiki/convert.lua), against the native converter on the
#   same entries: CPU time per conversion of each, whole processes;
# - in Debian's MediaWiki with Scribunto (tests/wiki/mediawiki.sh), the
#   Lua time of a page of 1,000 {{MRVDate|...}} calls, against the same page
#   calling a module that gives its entry back (bench/wiki/anchor.lua).
# Needs the test set of tools/packages.sh (lua5.1, mediawiki, python3).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD_DIR:-build-bench-wiki}
[[ -f $build/build.ninja ]] ||
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMRVDATE_BUILD_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target mrvdate-convert wiki-dump >/dev/null
rounds=${WIKI_ROUNDS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
n=1000000
awk -v n=$n 'BEGIN { for (i = 0; i < n; i++) { h = 1147 + (i * 7919) % 65535; printf "%d.%02d\n", int(h / 100), h % 100 } }' \
  >"$work/sc.txt"
awk -v n=$n 'BEGIN { for (i = 0; i < n; i++) printf "%d\n", -30682 + (i * 7919) % 65536 }' >"$work/ey.txt"
awk -v n=$n 'BEGIN { for (i = 0; i < n; i++) printf "%d\n", -32767 + (i * 7919) % 65535 }' >"$work/aw.txt"

cpu() { # CPU seconds of one run of the command, to the microsecond
  python3 -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL)  # a refused entry exits 1
u = resource.getrusage(resource.RUSAGE_CHILDREN)
print(u.ru_utime + u.ru_stime)' "$@"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for c in sc ey aw; do
  for ((r = 0; r < rounds; r++)); do
    native=$(cpu "$build/cli/mrvdate-convert" --from $c <"$work/$c.txt")
    lua=$(cpu lua5.1 bench/wiki/convert.lua wiki/MRVDate.lua $c <"$work/$c.txt")
    echo "$native $lua"
  done >"$work/$c.rounds"
  awk -v n=$n '{ print $1 / n * 1e9 }' "$work/$c.rounds" | median >"$work/native"
  awk -v n=$n '{ print $2 / n * 1e6 }' "$work/$c.rounds" | median >"$work/lua"
  awk '{ print ($1 > 0) ? $2 / $1 : "inf" }' "$work/$c.rounds" | median >"$work/ratio"
  printf 'lua5.1 %s: %.2f us a conversion; native converter %.0f ns; ratio %.0f\n' \
    $c "$(cat "$work/lua")" "$(cat "$work/native")" "$(cat "$work/ratio")"
done

source tests/wiki/mediawiki.sh
mkdir "$work/wiki"
wiki_setup "$work/wiki" "$build/wiki/MRVDate.xml"
wiki_maint edit --quiet Module:Anchor <bench/wiki/anchor.lua
echo '<includeonly>{{#invoke:Anchor|convert}}</includeonly>' | wiki_maint edit --quiet Template:Anchor
for ((y = 0; y < 1000; y++)); do echo "* {{MRVDate|ey=$((y * 37 - 18000)).5}}"; done >"$work/page.wiki"
sed 's/{{MRVDate|/{{Anchor|/' "$work/page.wiki" >"$work/anchor.wiki"
for ((r = 0; r < rounds; r++)); do
  echo "$(wiki_lua_time "$work/page.wiki" "$work/page.html") $(wiki_lua_time "$work/anchor.wiki" "$work/anchor.html")"
done >"$work/wiki.rounds"
page=$(awk '{ print $1 }' "$work/wiki.rounds" | median)
anchor=$(awk '{ print $2 }' "$work/wiki.rounds" | median)
ratio=$(awk '{ print $1 / $2 }' "$work/wiki.rounds" | median)
printf 'wiki page of 1,000 calls: Lua time %.2f s (%.2f ms a call); anchor module %.2f s; ratio %.2f\n' \
  "$page" "$page" "$anchor" "$ratio"
