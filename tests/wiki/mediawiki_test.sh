#!/usr/bin/env bash
# The module in a real wiki (tests/wiki/mediawiki.sh): a page of
# {{MRVDate|...}} calls parsed by maintenance/parse.php, its HTML checked as
# a reader sees it; then a timeline page of 1,000 calls, every line there
# and no script error (Scribunto's time limit included).
#   mediawiki_test.sh DUMP_XML
set -euo pipefail
source "$(dirname "$0")/mediawiki.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wiki_setup "$work" "$1"

# Each call and what its HTML must hold.
calls=(
  '{{MRVDate|ey=2002}}' 'SC 338.30  -  EY 2002 AD  -  BW 84'
  '{{MRVDate|ey=2002|part=aw}}' '<span id="part">BW 84</span>'
  '{{MRVDate|ey=-1}}' 'SC 318.28  -  EY 1 BC  -  BW 2086'
  '{{MRVDate|sc=361.98|part=ey}}' '<span id="part">EY 4370 AD</span>'
  '{{MRVDate|aw=2284|sep=,}}' 'SC 361,98  -  EY 4370 AD  -  AW 2284'
  '{{MRVDate|sc=361,98|sep=,|part=sc}}' '<span id="part">SC 361,98</span>'
  '{{MRVDate|sc= 3 6 1 . 9 8 }}' 'SC 361.98  -  EY 4370 AD  -  AW 2284'
  '{{#invoke:MRVDate|convert|sc=318.285}}' 'SC 318.29  -  EY 0.5 BC  -  BW 2086'
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
html=$(wiki_maint parse --title=Dates "$work/page.wiki")
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
version=$(wiki_maint version 2>/dev/null | grep -o '[0-9]\.[0-9.]*' | head -n 1)
echo "wiki: MediaWiki $version: $((${#calls[@]} / 2)) calls render as expected"

# 1,000 calls on a timeline page.
for ((y = 0; y < 1000; y++)); do echo "* {{MRVDate|ey=$((y * 37 - 18000)).5}}"; done >"$work/timeline.wiki"
lua=$(wiki_lua_time "$work/timeline.wiki" "$work/timeline.html")
lines=$(grep -o '<li>SC [0-9]*\.[0-9][0-9]  -  EY [0-9.]* [AB][DC]  -  [AB]W [0-9]*</li>' "$work/timeline.html" | wc -l)
if ((lines != 1000)) || grep -q 'class="error"' "$work/timeline.html"; then
  echo "wiki: the page of 1,000 calls shows $lines lines" >&2
  exit 1
fi
echo "wiki: a page of 1,000 calls shows its 1,000 lines (Lua time $lua s)"
