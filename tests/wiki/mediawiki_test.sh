#!/usr/bin/env bash
# The module in a real wiki: Debian's MediaWiki with its Scribunto, on
# SQLite in a fresh folder, set up by its maintenance scripts; the build's
# XML dump imported; a page of {{MRVDate|...}} calls parsed, its HTML
# checked; then the time to parse a page of 1,000 calls against the same
# page of 1,000 plain lines (the anchor).
#   mediawiki_test.sh DUMP_XML
set -euo pipefail
dump=$1
mw=${MEDIAWIKI_DIR:-/usr/share/mediawiki}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

php "$mw/maintenance/install.php" --dbtype=sqlite --dbpath="$work/db" --dbname=wiki \
  --server=http://127.0.0.1 --scriptpath= --confpath="$work" --extensions=Scribunto --skins= \
  --pass="mrvdate-$RANDOM-$RANDOM" --quiet "MRVDate test" Admin >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; exit 1; }
cat >>"$work/LocalSettings.php" <<'PHP'
$wgScribuntoDefaultEngine = 'luastandalone';
$wgScribuntoEngineConf['luastandalone']['luaPath'] = '/usr/bin/lua5.1';
PHP
maint() {
  local script=$1
  shift
  php "$mw/maintenance/$script.php" --conf "$work/LocalSettings.php" "$@"
}
maint importDump --quiet "$dump" 2>&1 | grep -v '^$' || true

# Each call and what its HTML must hold.
calls=(
  '{{MRVDate|ey=2002}}' 'SC 338.30  -  EY 2002 AD  -  BW 84'
  '{{MRVDate|ey=2002|part=aw}}' '<span id="part">BW 84</span>'
  '{{MRVDate|ey=-1}}' 'SC 318.28  -  EY 1 BC  -  BW 2086'
  '{{MRVDate|sc=361.98|part=ey}}' '<span id="part">EY 4370 AD</span>'
  '{{MRVDate|aw=2284|sep=,}}' 'SC 361,98  -  EY 4370 AD  -  AW 2284'
  '{{MRVDate|sc=361,98|sep=,|part=sc}}' '<span id="part">SC 361,98</span>'
  '{{MRVDate|sc= 3 6 1 . 9 8 }}' 'SC 361.98  -  EY 4370 AD  -  AW 2284'
  '{{MRVDate|ey=753 BC}}' '<strong class="error">Sorry, "753 BC" is not a date.'
  '{{MRVDate|ey=<b>x</b>}}' '<strong class="error">Sorry, "<b>x</b>" is not a date.'
  "{{MRVDate|ey=[[x]]''y''{{!}}}}" "<strong class=\"error\">Sorry, \"[[x]]''y''|\" is not a date."
  '{{MRVDate|ey=0}}' '<strong class="error">There is no such date as 0 AD.'
  '{{MRVDate|aw=40000}}' '<strong class="error">Sorry, that date is out of range.'
  '{{MRVDate|ey=2002|format=table}}' '<th>After War (AW)'
)
# What a reader sees: the HTML with its character references decoded, the
# tags it holds kept as they are.
shown() {
  python3 -c 'import html, re, sys; print(re.sub(r"&[#a-z0-9]+;", lambda m: html.unescape(m[0]), sys.stdin.read()))'
}
page=""
for ((i = 0; i < ${#calls[@]}; i += 2)); do
  call=${calls[i]}
  [[ ${calls[i + 1]} == '<span id="part">'* ]] && call="<span id=\"part\">$call</span>"
  page+="$call"$'\n\n'
done
printf '%s' "$page" >"$work/page.wiki"
html=$(maint parse --title=Dates "$work/page.wiki")
shown_html=$(shown <<<"$html")
failed=0
for ((i = 0; i < ${#calls[@]}; i += 2)); do
  if [[ $shown_html != *"${calls[i + 1]}"* ]]; then
    echo "wiki: ${calls[i]} does not give ${calls[i + 1]}" >&2
    failed=1
  fi
done
if [[ $html == *'<b>x</b>'* || $html == *'<a '* || $html == *'Lua error'* || $html == *'script-error'* ]]; then
  echo "wiki: an entry's markup took effect, or the module failed" >&2
  failed=1
fi
if ((failed)); then
  echo "$html" >&2
  exit 1
fi
echo "wiki: MediaWiki $(maint version 2>/dev/null | grep -o '1\.[0-9.]*' | head -n 1): $((${#calls[@]} / 2)) calls render as expected"

# 1,000 calls on a timeline page, against the same page without them.
calls_page=$(for ((y = 0; y < 1000; y++)); do echo "* {{MRVDate|ey=$((y * 37 - 18000)).5}}"; done)
plain_page=$(for ((y = 0; y < 1000; y++)); do echo "* SC 338.30  -  EY $((y * 37 - 18000)).5 AD  -  BW 84"; done)
timed() {
  local start end
  start=$(date +%s%N)
  printf '%s' "$1" >"$work/timeline.wiki"
  maint parse --title=Timeline "$work/timeline.wiki" >"$work/out.html"
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
plain=$(timed "$plain_page")
with_calls=$(timed "$calls_page")
grep -c 'SC [0-9]' "$work/out.html" | grep -qx 1000 || { echo "wiki: the 1,000-call page lost lines" >&2; exit 1; }
echo "wiki: a page of 1,000 calls parses in $with_calls ms, the same page of plain lines in $plain ms"
