#!/usr/bin/env bash
# Installs what is missing from Debian's packages, then configures and builds
# the project in build/. A second run installs nothing and rebuilds only what
# changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build          # compiler and build
  qt6-base-dev                   # Qt 6 Widgets and Test
  libgtest-dev libgmock-dev      # unit tests
  libbenchmark-dev               # benchmarks
  xvfb xauth xdotool x11-utils   # end-to-end tests on a virtual X server
  fonts-dejavu-core              # the font the GUI tests measure with
  fonts-liberation               # the metric twin of Arial (rotated label)
  fonts-comic-neue               # stands in for Comic Sans MS (info window caption)
)

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

if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
# Let Qt's meta-object compiler look at every header again: it does not notice
# a Q_OBJECT header newly added to an existing build. Unchanged files are not
# regenerated, so nothing else is rebuilt.
rm -f build/*/*_autogen/timestamp
cmake --build build
