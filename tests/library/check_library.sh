#!/usr/bin/env bash
# The core as another program uses it: installed (component "dev") into a
# fresh prefix, or as the -dev package unpacked into ROOT, then docs/embedding.md's C++ example built outside the tree
# with find_package(MRVDate) (g++) and with pkg-config (clang++), each run;
# both must print the batch converter's line. The installed headers must
# compile with every warning on, on both compilers.
#   check_library.sh SOURCE_DIR BUILD_DIR WORK_DIR [ROOT]
set -euo pipefail
source_dir=$1 build_dir=$2 work=$3 root=${4:-}
# Absolute, as the consumers' builds read their prefix from elsewhere.
work=$(realpath -m "$work")
[[ -z $root ]] || root=$(realpath -m "$root")
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
rm -rf "$work"
mkdir -p "$work/consumer"
if [[ -n $root ]]; then
  prefix=$root/usr
  export PKG_CONFIG_SYSROOT_DIR=$root
else
  prefix=$work/prefix
  cmake --install "$build_dir" --prefix "$prefix" --component dev >"$work/install.log"
fi

# The examples, each under its "<!-- example: NAME -->" line.
awk -v dir="$work/consumer" -f "$source_dir/tools/doc-examples.awk" "$source_dir/docs/embedding.md"
for f in main.cpp CMakeLists.txt pkg-config.sh; do
  [[ -s $work/consumer/$f ]] || fail "docs/embedding.md has no example $f"
done

expected=$("$build_dir/cli/mrvdate-convert" --from ey 2002)
[[ $expected == "SC 338.30  -  EY 2002 AD  -  BW 84" ]] || fail "the batch converter says '$expected'"

flags=(-std=c++20 -Wall -Wextra -Wpedantic -Werror)
cmake -S "$work/consumer" -B "$work/with-cmake" -G Ninja -DCMAKE_CXX_COMPILER=g++ \
  "-DCMAKE_CXX_FLAGS=${flags[*]:1}" -DCMAKE_PREFIX_PATH="$prefix" >"$work/cmake.log" ||
  fail "configuring against the installed package (log: $work/cmake.log)"
cmake --build "$work/with-cmake" >>"$work/cmake.log" || fail "building with find_package (log: $work/cmake.log)"
[[ $("$work/with-cmake/dates") == "$expected" ]] || fail "find_package build prints '$("$work/with-cmake/dates")'"
echo "find_package(MRVDate): prints the batch converter's line"

(cd "$work/consumer" && CXX=clang++ PKG_CONFIG_PATH=$(dirname "$prefix"/lib/*/pkgconfig/mrvdate-core.pc) \
  bash -c "$(sed "s/^c++ -std=c++20/clang++ ${flags[*]}/" pkg-config.sh)") || fail "building with pkg-config"
[[ $("$work/consumer/dates") == "$expected" ]] || fail "pkg-config build prints '$("$work/consumer/dates")'"
echo "pkg-config mrvdate-core: prints the batch converter's line"

for compiler in g++ clang++; do
  for header in "$prefix"/include/mrvdate/*.h; do
    "$compiler" "${flags[@]}" -fsyntax-only -I"$prefix/include" -x c++ - <<<"#include <mrvdate/$(basename "$header")>" ||
      fail "$compiler: $(basename "$header") does not compile on its own with every warning"
  done
done
echo "installed headers: each compiles alone with ${flags[*]} on g++ and clang++"
