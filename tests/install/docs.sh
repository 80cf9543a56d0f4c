#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# The library's reference documentation: the docs target builds without a
# Doxygen warning, gives the HTML pages and the Qt Help file, and each
# control's page says what it is, shows its picture, lists its properties
# with their defaults, its signals and slots, and has an example; installed,
# both land under share/doc/vorn-controls.
#   docs.sh <build dir>
set -euo pipefail
build=$(cd "${1:?usage: docs.sh <build dir>}" && pwd)
cmake=${CMAKE:-cmake}
out=$build/docs/api

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --build "$build" --target docs >"$build/docs.log" 2>&1 || {
    cat "$build/docs.log" >&2
    fail "the docs target"
}
[ ! -s "$out/warnings.log" ] || { cat "$out/warnings.log" >&2; fail "Doxygen warned"; }
[ -f "$out/html/index.html" ] || fail "no html/index.html"
[ -s "$out/vorn-controls.qch" ] || fail "no vorn-controls.qch"

for control in TNumIO2:numio TNumLab:numlab TRasterLab:rasterlab TRotLab:rotlab; do
    class=${control%%:*} picture=${control##*:}
    page=$out/html/classvorn_1_1$class.html
    [ -f "$page" ] || fail "no page for vorn::$class"
    [ -f "$out/html/$picture.png" ] || fail "no picture $picture.png"
    for part in "src=\"$picture.png\"" '>Properties<' '>Signals<' '>Public Slots<' 'class="fragment"' 'Default '; do
        grep -q "$part" "$page" || fail "vorn::$class's page lacks $part"
    done
done

prefix=$build/docs_install
rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" --component vorn_doc >/dev/null || fail "installing the documentation"
[ -f "$prefix/share/doc/vorn-controls/html/index.html" ] || fail "share/doc/vorn-controls/html/index.html is not installed"
[ -f "$prefix/share/doc/vorn-controls/vorn-controls.qch" ] || fail "share/doc/vorn-controls/vorn-controls.qch is not installed"
rm -rf "$prefix"
echo "docs: built without warnings, each control's page complete, installed"
