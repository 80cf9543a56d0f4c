#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# A program whose window was drawn in Designer (designer_form/: namespaced
# classes and enums, stdset="0" properties, a signal-slot connection),
# compiled by uic against an installed library beside its own global
# Exception, Round and Format, built with strict warnings and run off screen
# to its checks:
#   designer_form.sh <prefix the library is installed under> <work dir>
# CMAKE, CMAKE_GENERATOR, CXX and CMAKE_CXX_COMPILER_LAUNCHER (optional) come
# from the environment.
set -euo pipefail
prefix=${1:?usage: designer_form.sh <prefix> <work dir>}
work=${2:?usage: designer_form.sh <prefix> <work dir>}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cmake=${CMAKE:-cmake}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

args=(-G "${CMAKE_GENERATOR:-Ninja}" "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Wpedantic" -DCMAKE_PREFIX_PATH="$prefix")
[ -n "${CXX:-}" ] && args+=(-DCMAKE_CXX_COMPILER="$CXX")
[ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && args+=(-DCMAKE_CXX_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER")
rm -rf "$work"
"$cmake" -S "$source_dir/tests/install/designer_form" -B "$work" "${args[@]}" >/dev/null ||
    fail "configuring the Designer form program against $prefix"
"$cmake" --build "$work" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-2}" >"$work/build.log" 2>&1 || {
    cat "$work/build.log" >&2
    fail "building the Designer form program"
}
if grep -q "warning:" "$work/build.log"; then
    cat "$work/build.log" >&2
    fail "the Designer form program builds with warnings"
fi
QT_QPA_PLATFORM=offscreen timeout 60 "$work/coil_form" --smoke || fail "the Designer form program's checks"
echo "the Designer form program builds against $prefix and its checks pass"
