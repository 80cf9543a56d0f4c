#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# A C++17 program against an installed library (handwritten_form/): every
# installed header compiled alone and a form written by hand for uic without
# stdset="0", built with -std=c++17 -Wall -Wextra -Wpedantic -Werror and run
# off screen to its checks:
#   handwritten_form.sh <prefix the library is installed under> <work dir>
# CMAKE, CMAKE_GENERATOR, CXX and CMAKE_CXX_COMPILER_LAUNCHER (optional) come
# from the environment.
set -euo pipefail
prefix=${1:?usage: handwritten_form.sh <prefix> <work dir>}
work=${2:?usage: handwritten_form.sh <prefix> <work dir>}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cmake=${CMAKE:-cmake}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

args=(-G "${CMAKE_GENERATOR:-Ninja}" "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Wpedantic -Werror" -DCMAKE_PREFIX_PATH="$prefix"
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON)
[ -n "${CXX:-}" ] && args+=(-DCMAKE_CXX_COMPILER="$CXX")
[ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && args+=(-DCMAKE_CXX_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER")
rm -rf "$work"
"$cmake" -S "$source_dir/tests/install/handwritten_form" -B "$work" "${args[@]}" >/dev/null ||
    fail "configuring the hand-written form program against $prefix"
"$cmake" --build "$work" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-2}" >"$work/build.log" 2>&1 || {
    cat "$work/build.log" >&2
    fail "building the hand-written form program as C++17"
}
# The package asks no more than C++17 of its users: every compile line says so.
grep -q '"command"' "$work/compile_commands.json" || fail "no compile commands"
if grep '"command"' "$work/compile_commands.json" | grep -v -- '-std=c++17' | grep -q .; then
    fail "a compile line of the program is not -std=c++17"
fi
QT_QPA_PLATFORM=offscreen timeout 60 "$work/handwritten_form" --smoke || fail "the hand-written form program's checks"
echo "the hand-written form program builds as C++17 against $prefix and its checks pass"
