#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Builds the calculator and the gallery as ./run.sh does, without the tests
# (BUILD_TESTING off, so nothing is exported for tests), in a build folder
# of its own, and starts the calculator off-screen for a moment: a program
# that reached for a name the library exports only to its tests fails here.
#   program_alone.sh <source dir> <work dir>
# CMAKE, CMAKE_GENERATOR, CXX and CMAKE_CXX_COMPILER_LAUNCHER (optional) come
# from the environment. Exits non-zero on the first failure.
set -euo pipefail

source_dir=$(cd "${1:?usage: program_alone.sh <source dir> <work dir>}" && pwd)
work=${2:?usage: program_alone.sh <source dir> <work dir>}
cmake=${CMAKE:-cmake}

launcher=()
[ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER")
"$cmake" -S "$source_dir" -B "$work" -G "${CMAKE_GENERATOR:-Ninja}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DCMAKE_CXX_COMPILER="${CXX:-c++}" "${launcher[@]}" >/dev/null
"$cmake" --build "$work" --target Tuning_Coil Vorn_Gallery

# The calculator starts and runs until it is ended.
QT_QPA_PLATFORM=offscreen timeout 3 "$work/app/Tuning_Coil" && status=0 || status=$?
[ "$status" -eq 124 ] || { echo "FAIL: the calculator ended with $status before it was stopped" >&2; exit 1; }
echo "program alone: built and started"
