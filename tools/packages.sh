# The Debian 12 packages each purpose needs, one set per purpose; every
# package is named once, here. Sourced by tools/setup-deps.sh.

# What every build of the core needs, the window program's and the web
# page's: the build tools, and exact floating-point reading and writing
# (header-only libraries).
build_tool_packages=(cmake ninja-build)
core_library_packages=(libfast-float-dev libfmt-dev)

# Building and running the window program (the run command).
window_packages=(
  g++ "${build_tool_packages[@]}"
  qt6-base-dev
  # the window manager is asked for window frames over Qt's X connection
  libxcb1-dev
  fonts-liberation2
  "${core_library_packages[@]}"
)

# Making the Debian package: cpack asks dpkg-shlibdeps (dpkg-dev) for the
# libraries' packages, and dpkg-shlibdeps asks file which files are programs.
package_packages=(dpkg-dev file)

# The package's checks as Debian makes them (tools/test-package.sh): every
# file's licence, lintian, and hardening-check (devscripts).
package_check_packages=(reuse lintian devscripts)

# The other toolchains' builds and their emulators (tools/test-toolchains.sh):
# Clang's C++ library and GoogleTest's sources to build against it, MinGW-w64
# and Wine; Emscripten (it brings Node) is in the web set.
toolchain_packages=(
  libc++-dev libc++abi-dev googletest
  g++-mingw-w64-x86-64-posix wine64
)

# The Windows edition (tools/windows.sh): wixl (msitools) makes the
# installer from the two programs that MinGW-w64 builds; its tests
# (tools/test-windows.sh) read the programs' resources back with pefile.
# With MinGW-w64 and Wine of the toolchains' set and the window tests' set.
windows_packages=(msitools wixl python3-pefile)

# The web edition (tools/web.sh): the core compiled to WebAssembly, a
# static server for the built page (Python, which the batch converter's
# tests also use to read its csv and jsonl back), and npm, which packs the
# npm package.
web_packages=(emscripten python3 npm)

# The web page's tests: headless Chromium driven through WebDriver, and npm
# for the pinned npm packages of the tests (axe-core) and of the page's
# benchmark (Lighthouse).
web_test_packages=(chromium chromium-driver python3-selenium npm)

# The wiki module's tests and benchmark (tools/test-wiki.sh, bench/wiki/):
# Lua 5.1, and MediaWiki with its bundled Scribunto on SQLite, run by PHP's
# command line.
wiki_test_packages=(lua5.1 mediawiki php-cli php-sqlite3)

# Everything else the test command uses, on top of the window's and the
# package's sets.
test_packages=(
  # the git-tracked file list of the formatting check
  git clang-format
  # the suites, the fuzz targets, the benchmarks
  clang libclang-rt-14-dev
  qt6-base-private-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # the batch converter's benchmark and byte-for-byte comparison
  mawk time
  # the comma-decimal locale of the locale tests
  locales
  # the spreadsheet that opens the batch converter's tables (a step of its own)
  libreoffice-calc-nogui
  # the window-manager tests: a real X server and window manager
  xvfb xauth openbox xdotool x11-utils
  # the version resource test
  binutils-mingw-w64-x86-64
  # the package's checks
  desktop-file-utils appstream groff-base
)

# The desktop tests: the program on Wayland, under weston's headless
# compositor with Qt's Wayland platform plugin. Tests only: the package
# runs on X11 without them.
desktop_packages=(weston qt6-wayland)

# The unit-size report (tools/check-sizes.sh): function lengths of the C++
# and of the page's JavaScript. Not part of the test command.
sizes_packages=(clang-tidy eslint)

# The Windows program's window tests (tests/win32/window_tests.sh): the
# MinGW-w64 build run under Wine (both in the toolchains' set) with Wine's
# own "MS Sans Serif" (fonts-wine); the X server, window manager and the
# comma-decimal locale come with the test set.
windows_test_packages=(fonts-wine)
