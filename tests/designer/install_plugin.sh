#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# The Designer plugin as `cmake --install` leaves it: in a fresh prefix, at
# <prefix>/<Qt's plugin folder>/designer, finding the controls library of the
# same prefix, and working there for QUiLoader (the plugin tests run against
# the installed file).
#   install_plugin.sh <build dir> <Qt's plugin folder, relative> <test program>
set -euo pipefail
build=$1
plugins=$2
tests=$3
fail() {
    echo "install_plugin: $*" >&2
    exit 1
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
plugin=$prefix/$plugins/designer/libvorn_designer.so
[ -f "$plugin" ] || fail "no plugin at $plugin"
# Read whole before matching: grep -q stopping early would end ldd with
# SIGPIPE, which pipefail counts as a failure.
libs=$(ldd "$plugin")
grep -q "libVornControls.so.3 => $prefix/" <<<"$libs" ||
    fail "the plugin does not find libVornControls in its own prefix: $(grep Vorn <<<"$libs")"
VORN_DESIGNER_PLUGIN=$plugin QT_QPA_PLATFORM=offscreen "$tests" --gtest_filter='DesignerPlugin.*'
