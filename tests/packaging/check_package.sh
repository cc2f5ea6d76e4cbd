#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks what it installs.
#   check_package.sh build BUILD_DIR WORK_DIR
#   check_package.sh CHECK WORK_DIR [ARGS...]
# "build" runs cpack into WORK_DIR and unpacks the package into WORK_DIR/root;
# every other CHECK reads that unpacked tree.
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

icon_sizes=(16 32 48 64 128 256)

check=$1
shift

case $check in
build)
  build_dir=$1 work=$2
  rm -rf "$work"
  mkdir -p "$work"
  # Inside WORK_DIR, so a parallel test run never shares cpack's staging tree.
  (cd "$build_dir" && cpack -G DEB -B "$work") >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack did not build the package"
  }
  debs=("$work"/mrvdate_*.deb)
  [[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one mrvdate_*.deb in $work"
  ln -s "$(basename "${debs[0]}")" "$work/package.deb"
  dpkg-deb -x "$work/package.deb" "$work/root"
  echo "built $(basename "${debs[0]}")"
  exit 0
  ;;
esac

work=$1
shift
app_id=${MRVDATE_APP_ID:?the application id, set by CTest}
deb=$work/package.deb
root=$work/root
[[ -f $deb && -d $root ]] || fail "no unpacked package in $work (did the build step run?)"

case $check in
control)
  version=$1
  field() { dpkg-deb -f "$deb" "$1"; }
  [[ $(field Package) == mrvdate ]] || fail "Package is '$(field Package)'"
  [[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', want $version"
  [[ $(field Section) == utils ]] || fail "Section is '$(field Section)'"
  [[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture is '$(field Architecture)'"
  maintainer_form='^[^<]+ <[^@>]+@example\.org>$'
  [[ $(field Maintainer) =~ $maintainer_form ]] || fail "Maintainer is '$(field Maintainer)'"
  [[ -n $(field Description) ]] || fail "no Description"
  ;;

files)
  want=(
    usr/bin/MRVDate
    usr/bin/mrvdate-convert
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/man/man1/mrvdate-convert.1.gz
    usr/share/man/man1/MRVDate.1.gz
    usr/share/doc/mrvdate/copyright
    usr/share/doc/mrvdate/changelog.gz
  )
  for size in "${icon_sizes[@]}"; do
    want+=("usr/share/icons/hicolor/${size}x${size}/apps/mrvdate.png")
  done
  # Exactly these files, owned by root, folders and executables 0755, data 0644.
  diff -u <(printf '%s\n' "${want[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort) ||
    fail "the package installs other files than expected"
  dpkg-deb -c "$deb" | while read -r mode owner _ _ _ path; do
    [[ $owner == root/root ]] || fail "$path is owned by $owner"
    case $mode:$path in
    drwxr-xr-x:* | -rwxr-xr-x:./usr/bin/* | -rw-r--r--:./usr/share/*) ;;
    *) fail "$path has mode $mode" ;;
    esac
  done
  for size in "${icon_sizes[@]}"; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/mrvdate.png
    # PNG header: width and height are the big-endian words at bytes 16 and 20.
    read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
      awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [[ "$w $h" == "$size $size" ]] || fail "hicolor/${size}x${size} icon is ${w}x${h}"
  done
  # Shipped binaries carry no debug sections.
  for exe in MRVDate mrvdate-convert; do
    ! readelf -S "$root/usr/bin/$exe" | grep -q '\.debug_' || fail "$exe is not stripped"
  done
  ;;

desktop)
  entry=$root/usr/share/applications/$app_id.desktop
  out=$(desktop-file-validate "$entry" 2>&1) || true
  [[ -z $out ]] || fail "desktop-file-validate: $out"
  grep -qx 'Exec=MRVDate' "$entry" || fail "Exec must start MRVDate with no arguments"
  grep -qx 'Icon=mrvdate' "$entry" || fail "Icon must name the hicolor icon mrvdate"
  for key in Name Comment Categories; do
    grep -q "^$key=." "$entry" || fail "no $key"
  done
  ;;

metainfo)
  version=$1 date=$2
  metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $out"
  # Clean means no remark of any level, not just no error.
  ! grep -qE '^[EWIP]: ' <<<"$out" || fail "appstreamcli: $out"
  grep -q "<id>$app_id</id>" "$metainfo" || fail "component id is not $app_id"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "launchable does not name $app_id.desktop"
  grep -q "<release version=\"$version\" date=\"$date\"" "$metainfo" || fail "no release $version of $date"
  ;;

changelog)
  # The release history's latest entry is this release, of its date.
  version=$1 date=$2
  log=$work/changelog
  zcat "$root/usr/share/doc/mrvdate/changelog.gz" >"$log"
  [[ $(dpkg-parsechangelog -l "$log" -S Source) == mrvdate ]] || fail "the changelog is not mrvdate's"
  [[ $(dpkg-parsechangelog -l "$log" -S Version) == "$version" ]] ||
    fail "the changelog's latest entry is $(dpkg-parsechangelog -l "$log" -S Version), not $version"
  entry_date=$(date -u -d "$(dpkg-parsechangelog -l "$log" -S Date)" +%F)
  [[ $entry_date == "$date" ]] || fail "the changelog's latest entry is of $entry_date, the release of $date"
  changes=$(dpkg-parsechangelog -l "$log" -S Changes)
  for subject in CSV --field "strict reading" "web page"; do
    grep -qi -- "$subject" <<<"$changes" || fail "the latest entry does not name $subject"
  done
  ;;

manpage)
  version=$1
  for program in MRVDate mrvdate-convert; do
    page=$root/usr/share/man/man1/$program.1.gz
    warnings=$(zcat "$page" | groff -man -ww -z -Tutf8 2>&1)
    [[ -z $warnings ]] || fail "groff on $program.1: $warnings"
    text=$(zcat "$page" | groff -man -Tascii -P-cbou 2>/dev/null)
    grep -q "^NAME" <<<"$text" || fail "$program.1 has no NAME section"
    grep -qE "^ +$program +- " <<<"$text" || fail "NAME line is not '$program - ...'"
    grep -q "$program $version" <<<"$text" || fail "$program.1's footer lacks version $version"
  done
  # Every option of --help is documented.
  text=$(zcat "$root/usr/share/man/man1/mrvdate-convert.1.gz" | groff -man -Tascii -P-cbou 2>/dev/null)
  for option in --from -f --help -h --version -V; do
    grep -qE -- "(^|[ ,])$option([ ,=]|\$)" <<<"$text" || fail "option $option is not documented"
  done
  ;;

convert)
  # The packaged batch converter runs from the unpacked tree.
  out=$(LC_ALL=C "$root/usr/bin/mrvdate-convert" --from sc 361.98)
  [[ $out == "SC 361.98  -  EY 4370 AD  -  AW 2284" ]] || fail "mrvdate-convert gave '$out'"
  ;;

libraries)
  # Every shared library the executables and the Qt plugins they load at run
  # time pull in must belong to a package that installing the .deb brings
  # in: a declared dependency or one that those depend on in turn.
  plugins=("$@")
  ((${#plugins[@]})) || fail "no plugins given"

  # Fields split on US (0x1f), which unlike a tab keeps empty fields.
  declare -A deps provider
  us=$'\x1f'
  while IFS=$us read -r status pkg pre dep provides; do
    [[ $status == ii* ]] || continue
    deps[$pkg]="$pre, $dep"
    IFS=',' read -ra names <<<"$provides"
    for name in "${names[@]}"; do
      name=${name%%(*}
      name=${name// /}
      [[ -z $name ]] || provider[$name]+="$pkg "
    done
  done < <(dpkg-query -W -f="\${db:Status-Abbrev}$us\${Package}$us\${Pre-Depends}$us\${Depends}$us\${Provides}\n")

  # Only dependencies that hold whatever apt chooses count: a group with
  # alternatives ("a | b") guarantees none of its members, and a virtual
  # name counts only when a single installed package provides it.
  declare -A guaranteed
  queue=()
  enqueue() {
    local group=$1 name
    [[ $group != *"|"* ]] || return 0
    name=${group%%(*}
    name=${name%%:*}
    name=${name// /}
    [[ -n $name ]] || return 0
    if [[ -z ${deps[$name]+x} ]]; then
      read -ra names <<<"${provider[$name]:-}"
      ((${#names[@]} == 1)) || return 0
      name=${names[0]}
    fi
    [[ -z ${guaranteed[$name]:-} ]] || return 0
    guaranteed[$name]=1
    queue+=("$name")
  }
  declared=$(dpkg-deb -f "$deb" Depends)
  IFS=',' read -ra groups <<<"$declared"
  for group in "${groups[@]}"; do enqueue "$group"; done
  while ((${#queue[@]})); do
    pkg=${queue[0]}
    queue=("${queue[@]:1}")
    IFS=',' read -ra groups <<<"${deps[$pkg]}"
    for group in "${groups[@]}"; do enqueue "$group"; done
  done

  # What each file loads: "object<TAB>library" for the executables and the
  # plugins, and the plugins themselves, which must be installed as well.
  needs=()
  for object in "$root/usr/bin/MRVDate" "$root/usr/bin/mrvdate-convert" "${plugins[@]}"; do
    [[ -f $object ]] || fail "$object does not exist"
    [[ $object == "$root"/* ]] || needs+=("$object"$'\t'"$object")
    ldd_out=$(ldd "$object")
    ! grep -q 'not found' <<<"$ldd_out" || fail "$object: $(grep 'not found' <<<"$ldd_out")"
    while read -r lib; do
      needs+=("$object"$'\t'"$lib")
    done < <(awk '$2 == "=>" && $3 ~ /^\// { print $3 } $1 ~ /^\// { print $1 }' <<<"$ldd_out" | sort -u)
  done

  # Debian 12 is merged-/usr, but dpkg knows each file under one spelling,
  # so every spelling is asked for, all in one dpkg -S call (each call reads
  # the whole file database).
  declare -A spelled
  mapfile -t files < <(printf '%s\n' "${needs[@]#*$'\t'}" | sort -u)
  mapfile -t real < <(realpath "${files[@]}")
  for i in "${!files[@]}"; do
    f=${files[i]}
    spelled[$f]="$f ${real[i]} /usr${f#/usr} ${f#/usr}"
  done
  declare -A owner
  # shellcheck disable=SC2068 # each entry is a list of spellings
  while IFS= read -r line; do
    [[ $line == *": /"* ]] || continue
    pkg=${line%%: /*}
    owner[/${line#*: /}]=${pkg%%:*}
  done < <(printf '%s\n' ${spelled[@]} | sort -u | xargs dpkg -S 2>/dev/null || true)

  missing=0
  for need in "${needs[@]}"; do
    object=${need%%$'\t'*} lib=${need#*$'\t'} pkg=
    for spelling in ${spelled[$lib]}; do
      pkg=${owner[$spelling]:-}
      [[ -z $pkg ]] || break
    done
    if [[ -z $pkg ]]; then
      echo "$(basename "$object"): $lib belongs to no package" >&2
      missing=1
    elif [[ -z ${guaranteed[$pkg]:-} ]]; then
      echo "$(basename "$object"): $lib comes from $pkg, which is not installed with mrvdate" >&2
      missing=1
    fi
  done
  ((missing == 0)) || fail "Depends ($declared) does not cover every library loaded"
  # Build-only packages have no place among the dependencies.
  ! grep -qE '(^|[ ,|])[a-z0-9.+-]+-dev([ ,(|]|$)' <<<"$declared" || fail "a -dev package is declared: $declared"
  echo "${#needs[@]} files loaded, all from packages that Depends ($declared) brings in"
  ;;

*)
  fail "unknown check '$check'"
  ;;
esac
