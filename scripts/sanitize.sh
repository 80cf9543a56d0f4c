#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# The second stage of ./test.sh, also runnable on its own (after
# `scripts/setup.sh test` has installed clang): builds everything in
# build-san with clang, AddressSanitizer, UndefinedBehaviorSanitizer and the
# fuzz targets, and runs its tests, the unit and end-to-end tests under the
# sanitizers and each fuzz target for a short time over its corpus. The
# benchmarks, the install tests, the packages and the documentation are left
# out: they measure, package and document, and find nothing the other tests would not.
set -euo pipefail
cd "$(dirname "$0")/.."

cxx=clang++-14
command -v "$cxx" >/dev/null || cxx=clang++
if [ ! -f build-san/build.ninja ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
    -DKORVEL_SANITIZE=ON -DKORVEL_FUZZ=ON -DKORVEL_BENCHMARKS=OFF "${launcher[@]}"
fi
cmake --build build-san

# Any report fails its test: the first error stops the program with a
# stack trace, leaks too. The suppressions name leaks of the libraries
# under Qt, each with its reason.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
ctest --test-dir build-san --output-on-failure -j 2 -E '^(use_library_|debian_packages$|docs$)'
