#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The MRVDate developers
# SPDX-License-Identifier: MIT
#
# Checks the Debian packages, the program's and the core library's -dev, as
# Debian's own tools would: every file's licence (reuse lint); the packages
# built twice, from two copies of the source in two folders, at two times,
# under two umasks, the same bytes both times; lintian, every tag shown,
# finds nothing; both programs carry the hardening (hardening-check); a
# program built against the unpacked -dev package runs.
#   test-package.sh [WORK_DIR]     (default build-package-check)
set -euo pipefail
cd "$(dirname "$0")/.."
work=${1:-build-package-check}
jobs=$(nproc)

fail() {
  echo "package check: FAIL: $*" >&2
  exit 1
}

out=$(reuse lint 2>&1) || {
  echo "$out" >&2
  fail "reuse lint: some file states no licence or copyright"
}
echo "package check: reuse lint: $(grep -o '[0-9]* / [0-9]*' <<<"$out" | tail -n 1) files with licence information"

# The source as it stands, tracked and new files alike (not what git
# ignores); without git, everything but build folders.
source_files() {
  if git rev-parse --git-dir >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' f; do
      [[ ! -e $f ]] || printf '%s\0' "$f"
    done
  else
    find . -path './build*' -prune -o -path './.git' -prune -o \( -type f -o -type l \) -printf '%P\0'
  fi
}

# One package from a fresh copy of the source: the run command's build
# (Release, no tests), then the README's package command.
build_package() {
  local src=$1 build=$2
  mkdir -p "$src"
  source_files | tar --null --no-recursion -T - -cf - | tar -xmf - -C "$src"
  if ! cmake -S "$src" -B "$src/$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DMRVDATE_WERROR=ON >"$src/$build.log" 2>&1 ||
    ! cmake --build "$src/$build" -j "$jobs" --target package >>"$src/$build.log" 2>&1; then
    tail -n 40 "$src/$build.log" >&2
    fail "building the package in $src/$build (log: $src/$build.log)"
  fi
}

rm -rf "$work"
start=$SECONDS
# Folders of different names and depths, so that a build path left in any
# file shows; the second copy is made after the first build, so its files'
# times differ too, and built under another umask.
build_package "$work/a/src" build
(
  umask 077
  build_package "$work/second-copy/mrvdate" build-other
)
for name in mrvdate mrvdate-dev; do
  deb_a=("$work"/a/src/build/"$name"_*.deb)
  deb_b=("$work"/second-copy/mrvdate/build-other/"$name"_*.deb)
  [[ -f ${deb_a[0]} && -f ${deb_b[0]} ]] || fail "no ${name}_*.deb from one of the builds"
  if ! cmp -s "${deb_a[0]}" "${deb_b[0]}"; then
    # Say where they differ: the archive members, then the files inside.
    diff <(ar tv "${deb_a[0]}") <(ar tv "${deb_b[0]}") >&2 || true
    diff <(dpkg-deb -c "${deb_a[0]}") <(dpkg-deb -c "${deb_b[0]}") >&2 || true
    for i in a b; do
      deb=${deb_a[0]}
      [[ $i == a ]] || deb=${deb_b[0]}
      rm -rf "$work/unpacked-$i"
      dpkg-deb -R "$deb" "$work/unpacked-$i"
    done
    diff -r "$work/unpacked-a" "$work/unpacked-b" >&2 || true
    fail "two builds of the same source give different packages: ${deb_a[0]} ${deb_b[0]}"
  fi
  echo "package check: two builds in two folders give the same $(basename "${deb_a[0]}") ($((SECONDS - start)) s)"
done
deb_a=("$work"/a/src/build/mrvdate_*.deb)
dev_a=("$work"/a/src/build/mrvdate-dev_*.deb)

# Every tag lintian knows, informational, pedantic and experimental ones included.
tags=$(lintian --pedantic --display-info --display-experimental "${deb_a[0]}" "${dev_a[0]}" 2>"$work/lintian.err") || true
if [[ -n $tags ]] || grep -vq 'running with root privileges' "$work/lintian.err"; then
  echo "$tags" >&2
  cat "$work/lintian.err" >&2
  fail "lintian has remarks on the packages"
fi
echo "package check: lintian --pedantic --display-info --display-experimental: no tags on either package"

# The programs as packaged (stripped). Stack-clash probes only show in a
# function with more than a page of stack, and control-flow marking needs
# every object linked to carry it, which Debian 12's C start files do not;
# the other lines must all say yes.
root=$work/root
dpkg-deb -x "${deb_a[0]}" "$root"
for program in MRVDate mrvdate-convert; do
  report=$(hardening-check --nocfprotection "$root/usr/bin/$program") || {
    echo "$report" >&2
    fail "hardening-check: $program is not hardened"
  }
  for line in 'Position Independent Executable' 'Stack protected' 'Fortify Source functions' \
    'Read-only relocations' 'Immediate binding'; do
    grep -q "^ $line: yes" <<<"$report" || {
      echo "$report" >&2
      fail "hardening-check: $program: $line is not yes"
    }
  done
done
echo "package check: hardening-check: PIE, stack protector, fortified functions, RELRO, immediate binding in both programs"

# The library as its package installs it, used as docs/embedding.md says.
dpkg-deb -x "${dev_a[0]}" "$work/dev-root"
bash tests/library/check_library.sh . "$work/a/src/build" "$work/dev-consumer" "$work/dev-root" |
  sed 's/^/package check: mrvdate-dev: /'
