#!/usr/bin/env bash
# Lists the product's functions over 60 lines and files over 300, in core/,
# cli/, qt/, shell/, app/ and web/: one "FILE:LINE: what" line each, status 1
# if there is any. C++ functions by clang-tidy's readability-function-size,
# the page's JavaScript functions by ESLint's max-lines-per-function.
#   bash tools/check-sizes.sh [BUILD_DIR]
# BUILD_DIR holds compile_commands.json (default: build-sizes, configured
# here when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-deps.sh sizes >&2

max_function=60 max_file=300
folders=(core cli qt shell app web npm)
build=${1:-build-sizes}
if [[ ! -f $build/compile_commands.json ]]; then
  cmake -S . -B "$build" -G Ninja -DBUILD_TESTING=OFF >/dev/null
fi

findings=$(mktemp)
trap 'rm -f "$findings"' EXIT

# Files: every C++ source and header, and the page's scripts, styles and page.
find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' -o -name '*.js' -o -name '*.js.in' \
  -o -name '*.css' -o -name '*.html.in' \) -print0 |
  xargs -0 wc -l | awk -v max=$max_file '$2 != "total" && $1 > max { printf "%s:1: file of %d lines (over %d)\n", $2, $1, max }' \
  >>"$findings"

# C++ functions, the headers' included; the web and npm bindings are built
# by Emscripten only, so they are read with the core's (and the batch
# converter's) include folders.
paths=$(IFS='|'; echo "${folders[*]}")
tidy=(clang-tidy --quiet "--checks=-*,readability-function-size"
  "--config={CheckOptions: [{key: readability-function-size.LineThreshold, value: $max_function}]}"
  "--header-filter=^$PWD/($paths)/")
{
  git ls-files "${folders[@]/%//*.cpp}" | grep -Ev '^(web|npm)/' | xargs -P 2 -n 4 "${tidy[@]}" -p "$build" 2>/dev/null || true
  "${tidy[@]}" web/*.cpp -- -std=c++20 -Icore 2>/dev/null || true
  "${tidy[@]}" npm/*.cpp -- -std=c++20 -Icore -Icli -I"$build/core/texts" 2>/dev/null || true
} | awk -v root="$PWD/" -v max=$max_function '
  /warning: function .* exceeds recommended size/ { split($0, at, ": warning: "); where = at[1]; sub(root, "", where)
    match($0, /function '\''[^'\'']*'\''/); name = substr($0, RSTART + 10, RLENGTH - 11) }
  /note: [0-9]+ lines including whitespace and comments/ && where != "" { split($0, n, "note: "); split(n[2], m, " ")
    printf "%s: function %s of %d lines (over %d)\n", where, name, m[1], max; where = "" }' |
  sort -u >>"$findings"

# JavaScript functions. Debian's ESLint 6 leaves only `function` IIFEs out,
# so an arrow function called where it stands (a script's module wrapper)
# is left out here.
NODE_PATH=/usr/share/nodejs eslint --no-eslintrc --env browser,es2020 --parser-options=ecmaVersion:2020 --format unix \
  --rule "{\"max-lines-per-function\": [\"error\", {\"max\": $max_function}]}" web/site/*.js 2>/dev/null |
  awk -v root="$PWD/" -F: 'NF >= 4 && $4 ~ /too many lines/ {
      file = $1; sub(root, "", file); getline text < file; for (i = 1; i < $2; i++) getline text < file; close(file)
      if (substr(text, $3 - 1, 6) == "(() =>") next
      match($4, /\(([0-9]+)\)/); printf "%s:%s: function of %s lines (over %s)\n", file, $2, substr($4, RSTART + 1, RLENGTH - 2), '"$max_function"' }' \
  >>"$findings" || true

sort -t: -k1,1 -k2,2n "$findings"
[[ ! -s $findings ]]
