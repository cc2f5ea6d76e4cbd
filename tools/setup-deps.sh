#!/usr/bin/env bash
# Installs the missing Debian 12 packages of a set (tools/packages.sh):
#   setup-deps.sh window    building and running the window program
#   setup-deps.sh package   that and making the Debian package
#   setup-deps.sh web       building and serving the web page
#   setup-deps.sh windows   building the Windows edition and its installer,
#                           and testing them under Wine
#   setup-deps.sh test      all of those and everything the tests need, the
#                           other toolchains' builds included
#   setup-deps.sh sizes     the window's set and the unit-size report's linters
# Run as root. With nothing missing it only asks dpkg, once.
set -euo pipefail
here=$(dirname "$0")
# shellcheck source=packages.sh
source "$here/packages.sh"

purpose=${1:-test}
case $purpose in
window) packages=("${window_packages[@]}") ;;
package) packages=("${window_packages[@]}" "${package_packages[@]}") ;;
web) packages=("${build_tool_packages[@]}" "${core_library_packages[@]}" "${web_packages[@]}") ;;
windows)
  packages=("${build_tool_packages[@]}" "${core_library_packages[@]}" "${toolchain_packages[@]}"
    "${windows_packages[@]}" "${windows_test_packages[@]}")
  ;;
sizes) packages=("${window_packages[@]}" "${sizes_packages[@]}") ;;
test)
  packages=("${window_packages[@]}" "${package_packages[@]}" "${package_check_packages[@]}" "${test_packages[@]}"
    "${desktop_packages[@]}" "${toolchain_packages[@]}" "${web_packages[@]}" "${web_test_packages[@]}"
    "${wiki_test_packages[@]}" "${windows_packages[@]}" "${windows_test_packages[@]}")
  ;;
*)
  echo "usage: setup-deps.sh window|package|web|windows|test|sizes" >&2
  exit 2
  ;;
esac

# Installed packages and what they provide: a system whose Node.js brings its
# own npm has the npm the web tests need, and Debian's would conflict with it.
installed=$(dpkg-query -W -f='${db:Status-Abbrev}\t${Package}\t${Provides}\n' 2>/dev/null |
  awk -F'\t' '$1 ~ /^ii/ {
    print $2
    n = split($3, provided, /, */)
    for (i = 1; i <= n; i++) { sub(/ .*/, "", provided[i]); if (provided[i] != "") print provided[i] }
  }') || true
missing=()
for p in "${packages[@]}"; do
  grep -qx -- "$p" <<<"$installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  echo "setup: missing ${missing[*]}; reading the package lists"
  # Another apt run (a second checkout's set-up, an unattended upgrade)
  # holds dpkg's lock for a while: wait for it rather than fail.
  apt_wait=(-o DPkg::Lock::Timeout=600)
  apt-get "${apt_wait[@]}" update -qq
  log=$(mktemp)
  # apt's own lines, shortened: how much it adds, then a count for each stage.
  if ! apt-get "${apt_wait[@]}" install -y --no-install-recommends "${missing[@]}" 2>&1 | tee "$log" |
    awk -v set="$purpose" '
      function step(what, i) { if (i % 25 == 0 || i == n) { printf "setup: %s %d of %d\n", what, i, n; fflush() } }
      / newly installed, / { n = $3 }
      /^Need to get / {
        size = $0; sub(/^Need to get /, "", size); sub(/ of archives\.$/, "", size)
        printf "setup: installing %d packages for the %s set (%s to download)\n", n, set, size; fflush()
      }
      /^Get:/ { step("downloaded", ++g) }
      /^Unpacking / { step("unpacked", ++u) }
      /^Setting up / { step("set up", ++s) }'; then
    tail -n 30 "$log" >&2
    echo "setup: apt-get install failed (whole log: $log)" >&2
    exit 1
  fi
  rm -f "$log"
fi

if [[ $purpose == test || $purpose == windows ]] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  # A comma-decimal locale for the tests that prove reading ignores the locale.
  echo "setup: generating the de_DE.UTF-8 locale"
  sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi
