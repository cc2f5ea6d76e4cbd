#!/usr/bin/env bash
# The Windows installer under Wine, in a Wine session of its own: an older
# release installed, this one installed over it (a major upgrade: one entry
# left in Add/Remove Programs, the new version's), the program started from
# Program Files until its main window shows, the Start-menu shortcut there,
# the older installer refused, and msiexec /x leaving nothing behind. Then
# the zip's contents, exactly.
#   installer_test.sh BUILD_DIR VERSION
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
version=$2
msi=$build/MRVDate-$version-x64.msi
zip=$build/MRVDate-$version-windows-x64.zip
stage=$build/packaging/windows/stage
work=$build/installer-test
rm -rf "$work"
mkdir -p "$work"
# shellcheck source=tests/win32/wine_session.sh
source "$here/tests/win32/wine_session.sh"
wine_session_start "$work/session"

failures=0
fail() {
  echo "installer: $*" >&2
  failures=$((failures + 1))
}
title="Morvane Timeline Date Converter"
folder="$WINEPREFIX/drive_c/Program Files/MRVDate"
# Wine puts a per-machine product's shortcut in the user's Start menu of the
# prefix, Windows in the one for all users: either will do.
shortcuts=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$title.lnk"
  "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$title.lnk")
shortcut() { ls "${shortcuts[@]}" 2>/dev/null | head -n 1; }
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# The Add/Remove Programs entries of the product: "version<TAB>publisher" each.
entries() {
  wine_run reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | awk -v title="$title" '
    /^HKEY/ { if (name == title) print version "\t" publisher; name = version = publisher = "" }
    $1 == "DisplayName" { sub(/^ *DisplayName +REG_SZ +/, ""); name = $0 }
    $1 == "DisplayVersion" { version = $3 }
    $1 == "Publisher" { sub(/^ *Publisher +REG_SZ +/, ""); publisher = $0 }
    END { if (name == title) print version "\t" publisher }'
}
installed_files() { (cd "$folder" 2>/dev/null && ls | tr '\n' ' '); }

# An older release: the same installer made with an earlier version number.
(cd "$stage" && wixl --arch x64 -D Version=1.1.0 -o "$work/old.msi" MRVDate.wxs 2>/dev/null)
wine_run msiexec /i "$work/old.msi" /qn || fail "msiexec /i of release 1.1.0 failed ($?)"
[[ $(entries) == $'1.1.0\tThe MRVDate developers' ]] || fail "after installing 1.1.0, entries: $(entries)"

wine_run msiexec /i "$msi" /qn || fail "msiexec /i of $version over 1.1.0 failed ($?)"
[[ $(entries) == "$version"$'\tThe MRVDate developers' ]] ||
  fail "after the upgrade, Add/Remove Programs holds: $(entries | tr '\n\t' '; ')"
[[ $(installed_files) == "LICENSE.txt MRVDate.exe README.txt mrvdate-convert.exe " ]] ||
  fail "Program Files\\MRVDate holds: $(installed_files)"
cmp -s "$folder/MRVDate.exe" "$stage/MRVDate.exe" || fail "the installed MRVDate.exe is not the built one"
[[ -n $(shortcut) ]] || fail "no Start-menu shortcut \"$title\""

# Started from Program Files, and again from the shortcut, the program shows
# its main window, and closing that window ends it (taskkill without /F asks
# it to close; start /wait ends with the program).
shown() { xwininfo -name "$title" | grep -q 'Map State: IsViewable'; }
start_and_close() {
  local how=$1 program
  shift
  "$MRV_WINE" "$@" >"$work/program.log" 2>&1 &
  program=$!
  _wine_wait_for 300 shown || fail "started $how, the program showed no window \"$title\" within 30 s"
  wine_run taskkill /IM MRVDate.exe >/dev/null 2>&1 || true
  if ! timeout 30 tail --pid="$program" -f /dev/null; then
    fail "started $how, the program did not end when its window was closed"
    kill "$program" 2>/dev/null || true
  fi
  wait "$program" 2>/dev/null || true
}
start_and_close "from Program Files" 'C:\Program Files\MRVDate\MRVDate.exe'
[[ -z $(shortcut) ]] || start_and_close "from the shortcut" start /wait /unix "$(shortcut)"

# The older installer refuses to run over the newer release.
if wine_run msiexec /i "$work/old.msi" /qn; then
  fail "release 1.1.0's installer ran over $version"
fi
[[ $(entries) == "$version"$'\tThe MRVDate developers' ]] || fail "after the refused downgrade: $(entries)"

wine_run msiexec /x "$msi" /qn || fail "msiexec /x failed ($?)"
[[ -z $(entries) ]] || fail "after msiexec /x, Add/Remove Programs holds: $(entries)"
[[ ! -e $folder ]] || fail "after msiexec /x, Program Files\\MRVDate holds: $(installed_files)"
[[ -z $(shortcut) ]] || fail "after msiexec /x, the shortcut is left: $(shortcut)"

# The zip: the two programs, the licence and the read-me, at its top.
listing=$(/usr/bin/python3 -c 'import sys, zipfile; print(" ".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip")
[[ $listing == "MRVDate.exe mrvdate-convert.exe LICENSE.txt README.txt" ]] || fail "the zip holds: $listing"

((failures == 0)) || exit 1
echo "installer: upgrade from 1.1.0, the program started from Program Files and the shortcut, no downgrade, uninstall; the zip's four files"
