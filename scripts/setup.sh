#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Installs what is missing from Debian's packages, then configures and builds
# the project in build/:
#   setup.sh run    the library, the program (what ./run.sh needs) and the
#                   gallery of the controls (build/gallery/Vorn_Gallery)
#   setup.sh test   everything, the tests and benchmarks too (./test.sh)
# A second run installs nothing and rebuilds only what changed. Both share one
# build tree: the first run configures it with BUILD_TESTING as asked, the
# test run turns the tests on, and the run after that builds only the program.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
case "$mode" in
run | test) ;;
*)
  echo "usage: $0 [run|test]" >&2
  exit 2
  ;;
esac

# Building and running the calculator.
packages=(
  g++ cmake ninja-build          # compiler and build
  qt6-base-dev                   # Qt 6 Widgets
  libqt6svg6                     # Qt's SVG plugins, which draw the window icon
  fonts-liberation               # the metric twin of Arial (rotated label)
  fonts-comic-neue               # stands in for Comic Sans MS (info window caption)
)
# The tests and benchmarks on top (Qt Test comes with qt6-base-dev).
if [ "$mode" = test ]; then
  packages+=(
    libgtest-dev libgmock-dev    # unit tests
    libbenchmark-dev             # benchmarks
    xvfb xauth xdotool x11-utils # end-to-end tests on a virtual X server
    imagemagick                  # import: the end-to-end test reads the window's colours
    adwaita-qt6                  # Adwaita-Dark, the dark desktop style the program is tried under
    fonts-dejavu-core            # the font the GUI tests measure with
    desktop-file-utils           # checks the installed desktop entry
    pkgconf                      # builds the example from the installed pkg-config file
    lintian                      # checks the Debian packages cpack makes
    doxygen                      # the library's reference documentation (target docs)
    python3                      # the docs test reads Doxygen's XML output
    qt6-documentation-tools      # qhelpgenerator: the documentation as a Qt Help file
    at-spi2-core dbus-daemon     # the desktop accessibility bus, for the screen-reader test
    python3-pyatspi              # reads the program over that bus as a screen reader does
    qt6-tools-dev                # Qt Designer's libraries: the Designer plugin and its test
    libqt6opengl6-dev            # Qt's Designer CMake package asks for it; qt6-tools-dev does not pull it in
    clang-14 libclang-rt-14-dev  # the sanitizer build and the fuzz targets (scripts/sanitize.sh)
    llvm-14                      # llvm-symbolizer: sanitizer reports name functions and lines
  )
fi

missing=()
for p in "${packages[@]}"; do
  if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

testing=OFF
[ "$mode" = test ] && testing=ON
if [ ! -f build/build.ninja ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=$testing "${launcher[@]}"
elif [ "$mode" = test ] && ! grep -q '^BUILD_TESTING:[A-Z]*=ON$' build/CMakeCache.txt; then
  cmake build -DBUILD_TESTING=ON
fi

if [ "$mode" = test ]; then
  cmake --build build
else
  cmake --build build --target Tuning_Coil Vorn_Gallery
fi
