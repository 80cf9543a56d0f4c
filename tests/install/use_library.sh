#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Builds the example program outside this project, the two ways a user can,
# and runs it off-screen to the end:
#
#   use_library.sh package <build dir>       installs the build into a fresh
#       prefix, checks what lands there, and builds examples/, a program
#       with a Designer form (designer_form/) and a C++17 program with a
#       hand-written form (handwritten_form/) against it with
#       find_package(VornControls)
#   use_library.sh subdirectory <build dir>  builds the example in a project
#       of its own that adds the library folder with add_subdirectory
#
# Work files go to <build dir>/use_library/<mode>. The package check starts
# from nothing on every run; the project of the second check is kept, so
# that a run after the first rebuilds the library only where it changed.
# CMAKE, CMAKE_GENERATOR, CXX and CMAKE_CXX_COMPILER_LAUNCHER (optional) come
# from the environment. Exits non-zero on the first failure.
set -euo pipefail

mode=${1:?usage: use_library.sh package|subdirectory <build dir>}
build=$(cd "${2:?usage: use_library.sh package|subdirectory <build dir>}" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cmake=${CMAKE:-cmake}
work=$build/use_library/$mode

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Strict warnings, so that the library's headers are seen to compile cleanly
# in a user's strict build; no optimisation, which would only cost time here.
configure_args=(-G "${CMAKE_GENERATOR:-Ninja}" "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Wpedantic")
[ -n "${CXX:-}" ] && configure_args+=(-DCMAKE_CXX_COMPILER="$CXX")
[ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && configure_args+=(-DCMAKE_CXX_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER")

# Whatever is installed must be there, under the usual names.
check_installed() {
    local prefix=$1 libdir
    libdir=$(dirname "$(find "$prefix" -name 'libVornControls.so.3.0.0' -print -quit)")
    [ "$libdir" != . ] || fail "no libVornControls.so.3.0.0 under $prefix"
    [ "$(readlink "$libdir/libVornControls.so.3")" = libVornControls.so.3.0.0 ] || fail "libVornControls.so.3 is not a link to libVornControls.so.3.0.0"
    [ "$(readlink "$libdir/libVornControls.so")" = libVornControls.so.3 ] || fail "libVornControls.so is not a link to libVornControls.so.3"
    # Read whole: grep -q stopping early could end objdump with SIGPIPE.
    headers=$(objdump -p "$libdir/libVornControls.so.3.0.0")
    grep -q 'SONAME *libVornControls\.so\.3$' <<<"$headers" || fail "the library's SONAME is not libVornControls.so.3"
    # The interface's headers and nothing else.
    local installed expected
    installed=$(cd "$prefix/include/vorn" && LC_ALL=C ls | LC_ALL=C sort | tr '\n' ' ')
    expected="Application.h Canvas.h Colors.h Exceptions.h Keys.h NumIO.h NumLab.h RasterLab.h RotLab.h Surface.h VornVersion.h vorn_export.h vornbase.h "
    [ "$installed" = "$expected" ] || fail "include/vorn holds $installed instead of $expected"
    # Every symbol the library exports is in namespace vorn.
    local outside
    outside=$(nm -DC --defined-only "$libdir/libVornControls.so.3.0.0" | grep -v ' vorn::' || true)
    [ -z "$outside" ] || fail "symbols exported outside namespace vorn: $outside"
    [ -f "$libdir/cmake/VornControls/VornControlsConfig.cmake" ] || fail "no CMake package"
    [ -x "$prefix/bin/Tuning_Coil" ] || fail "no bin/Tuning_Coil"
    local desktop=$prefix/share/applications/korvel-tuning-coil.desktop
    [ -f "$desktop" ] || fail "no desktop entry"
    desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
    [ -f "$prefix/share/icons/hicolor/scalable/apps/korvel-tuning-coil.svg" ] || fail "no icon"
    grep -q '^License: MIT$' "$prefix/share/doc/korvel-tuning-coil/copyright" || fail "no copyright file naming the MIT licence"

    # The pkg-config file names this prefix and the library's version.
    export PKG_CONFIG_PATH=$libdir/pkgconfig
    [ "$(pkg-config --modversion vorn-controls)" = 3.0.0 ] || fail "pkg-config reports no version 3.0.0"
    grep -q '^#define VORN_VERSION_STRING "3.0.0"$' "$prefix/include/vorn/VornVersion.h" ||
        fail "include/vorn/VornVersion.h does not say 3.0.0"
    [ "$(realpath "$(pkg-config --variable=includedir vorn-controls)")" = "$(realpath "$prefix/include")" ] ||
        fail "pkg-config's include folder is not $prefix/include"
}

# The example built with nothing but the compiler and pkg-config.
build_with_pkg_config() {
    local flags
    flags=$(pkg-config --cflags --libs vorn-controls) || fail "pkg-config --cflags --libs vorn-controls"
    # shellcheck disable=SC2086 # the flags are words
    # Without Qt's lower-case keywords, as KDE builds: the headers need none.
    "${CXX:-c++}" -std=c++20 -DQT_NO_KEYWORDS "$source_dir/examples/main.cpp" $flags -o "$work/vorn_example_pc" ||
        fail "building the example with pkg-config's flags: $flags"
    LD_LIBRARY_PATH=$(pkg-config --variable=libdir vorn-controls) QT_QPA_PLATFORM=offscreen \
        timeout 60 "$work/vorn_example_pc" --smoke || fail "the smoke run of the example built with pkg-config"
}

case "$mode" in
package)
    rm -rf "$work"
    mkdir -p "$work"
    prefix=$work/prefix
    "$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
    check_installed "$prefix"
    build_with_pkg_config
    "$cmake" -S "$source_dir/examples" -B "$work/example" "${configure_args[@]}" \
        -DCMAKE_PREFIX_PATH="$prefix" >/dev/null || fail "configuring examples/ against the installed package"
    ;;
subdirectory)
    mkdir -p "$work/project"
    cat >"$work/CMakeLists.txt.new" <<EOF
cmake_minimum_required(VERSION 3.21)
project(UsesVornFolder LANGUAGES CXX)
add_subdirectory("$source_dir/vorn" vorn)
add_executable(vorn_example "$source_dir/examples/main.cpp")
target_link_libraries(vorn_example PRIVATE Vorn::Controls)
EOF
    # Replaced only when it differs, so that an unchanged project is not
    # configured again for its list file's new time.
    cmp -s "$work/CMakeLists.txt.new" "$work/project/CMakeLists.txt" ||
        mv "$work/CMakeLists.txt.new" "$work/project/CMakeLists.txt"
    rm -f "$work/CMakeLists.txt.new" "$work/example/vorn_example"
    "$cmake" -S "$work/project" -B "$work/example" "${configure_args[@]}" >/dev/null ||
        fail "configuring a project that adds the library folder"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac

"$cmake" --build "$work/example" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-2}" >"$work/build.log" 2>&1 || {
    cat "$work/build.log" >&2
    fail "building the example"
}
if grep -q "warning:" "$work/build.log"; then
    cat "$work/build.log" >&2
    fail "the example builds with warnings"
fi
QT_QPA_PLATFORM=offscreen timeout 60 "$work/example/vorn_example" --smoke || fail "the example's smoke run"
echo "$mode: the example builds and runs"

# A program whose window was drawn in Designer, and a C++17 one with a form
# written by hand, against the same prefix.
if [ "$mode" = package ]; then
    bash "$source_dir/tests/install/designer_form.sh" "$prefix" "$work/designer_form"
    bash "$source_dir/tests/install/handwritten_form.sh" "$prefix" "$work/handwritten_form"
fi
