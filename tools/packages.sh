# The Debian 12 packages each purpose needs, one set per purpose; every
# package is named once, here. Sourced by tools/setup-deps.sh.

# Building and running the window program (the run command).
window_packages=(
  g++ cmake ninja-build
  qt6-base-dev
  # the window manager is asked for window frames over Qt's X connection
  libxcb1-dev
  fonts-liberation2
  # exact floating-point reading and writing (header-only)
  libfast-float-dev libfmt-dev
)

# Making the Debian package: cpack asks dpkg-shlibdeps (dpkg-dev) for the
# libraries' packages, and dpkg-shlibdeps asks file which files are programs.
package_packages=(dpkg-dev file)

# The other toolchains' builds and their emulators (tools/test-toolchains.sh):
# Clang's C++ library and GoogleTest's sources to build against it, MinGW-w64
# and Wine, Emscripten (it brings Node).
toolchain_packages=(
  libc++-dev libc++abi-dev googletest
  g++-mingw-w64-x86-64-posix wine64
  emscripten
)

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
  # the window-manager tests: a real X server and window manager
  xvfb xauth openbox xdotool x11-utils
  # the version resource test
  binutils-mingw-w64-x86-64
  # the package's checks
  desktop-file-utils appstream groff-base
)

# The batch converter's tests: its csv and jsonl read back by Python's csv
# and json modules, readers independent of its own.
cli_packages=(python3)
