#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# The build's packages as a Debian user gets them:
#   debian_packages.sh <build dir>
# installs the library's run-time component alone into a fresh prefix and
# checks that nothing else lands there; then makes the Debian packages with
# cpack into <build dir>/debian_packages and checks each: its files, the
# library's shlibs file and ldconfig trigger, the dependencies, the example
# program that the development package carries (built against the packages),
# the documentation package when VORN_DOC_PACKAGE=1 (the docs target built
# before), and that lintian reports no error. CPACK and CMAKE (optional) come
# from the environment. Exits non-zero on the first failure.
set -euo pipefail

build=$(cd "${1:?usage: debian_packages.sh <build dir>}" && pwd)
cmake=${CMAKE:-cmake}
cpack=${CPACK:-cpack}
work=$build/debian_packages

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work"

# The library alone, as `cmake --install --component` installs it.
"$cmake" --install "$build" --prefix "$work/runtime" --component vorn_runtime >/dev/null
installed=$(cd "$work/runtime" && find . -type f -o -type l | sort)
echo "vorn_runtime installs:" $installed
grep -q '/libVornControls\.so\.3\.0\.0$' <<<"$installed" || fail "the run-time component holds no libVornControls.so.3.0.0"
others=$(grep -v -e '/libVornControls\.so\.3' -e '^\./share/doc/libvorncontrols3/' <<<"$installed" || true)
[ -z "$others" ] || fail "the run-time component installs more than the library: $others"

(cd "$build" && "$cpack" -G DEB -B "$work" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log" >&2
    fail "cpack -G DEB"
}
package() { ls "$work"/"$1"_*.deb 2>/dev/null | head -1; }
names=(libvorncontrols3 libvorncontrols-dev korvel-tuning-coil vorn-controls-designer-plugin)
[ "${VORN_DOC_PACKAGE:-0}" = 1 ] && names+=(libvorncontrols-doc)
for name in "${names[@]}"; do
    deb=$(package "$name")
    [ -n "$deb" ] || fail "no package $name"
    files=$(dpkg-deb -c "$deb")
    grep -q "usr/share/doc/$name/copyright$" <<<"$files" || fail "$name has no copyright file"
    grep -q "usr/share/doc/$name/changelog.gz$" <<<"$files" || fail "$name has no changelog"
    # lintian's errors fail; its warnings are shown.
    report=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' || true)
    [ -z "$report" ] || echo "$report"
    ! grep -q '^E:' <<<"$report" || fail "lintian reports errors for $name"
done
lib=$(package libvorncontrols3)
[ "$(dpkg-deb -I "$lib" shlibs)" = "libVornControls 3 libvorncontrols3 (>= 3.0.0)" ] ||
    fail "libvorncontrols3's shlibs file does not name libVornControls 3"
# Each read whole before matching: grep -q stopping early would end dpkg-deb
# with SIGPIPE.
triggers=$(dpkg-deb -I "$lib" triggers)
grep -q '^activate-noawait ldconfig$' <<<"$triggers" || fail "libvorncontrols3 has no ldconfig trigger"
dev_files=$(dpkg-deb -c "$(package libvorncontrols-dev)")
grep -q 'usr/include/vorn/VornVersion.h$' <<<"$dev_files" || fail "libvorncontrols-dev holds no vorn/VornVersion.h"
# The example program, whole, where Debian's -dev packages keep examples.
for file in CMakeLists.txt main.cpp; do
    grep -q "usr/share/doc/libvorncontrols-dev/examples/$file\$" <<<"$dev_files" ||
        fail "libvorncontrols-dev holds no examples/$file"
done
depends=$(dpkg-deb -f "$(package korvel-tuning-coil)" Depends)
grep -q 'libvorncontrols3 (= 3.0.0)' <<<"$depends" || fail "korvel-tuning-coil does not depend on libvorncontrols3"
# Designer draws the plugin's icons (SVG) with Qt's SVG icon engine.
depends=$(dpkg-deb -f "$(package vorn-controls-designer-plugin)" Depends)
grep -Eq '(^|, )libqt6svg6( \(|,|$)' <<<"$depends" || fail "vorn-controls-designer-plugin does not depend on libqt6svg6: $depends"
if [ "${VORN_DOC_PACKAGE:-0}" = 1 ]; then
    doc=$(package libvorncontrols-doc)
    [ "$(dpkg-deb -f "$doc" Architecture)" = all ] || fail "libvorncontrols-doc is not Architecture: all"
    doc_files=$(dpkg-deb -c "$doc")
    for file in usr/share/doc/libvorncontrols-doc/html/index.html \
        usr/share/doc/libvorncontrols-doc/html/classvorn_1_1TNumIO2.html \
        usr/share/doc/libvorncontrols-doc/html/ui_files.html \
        usr/share/qt6/doc/vorn-controls.qch; do
        grep -q "$file\$" <<<"$doc_files" || fail "libvorncontrols-doc holds no $file"
    done
fi
# The library's two packages unpacked into an empty root, as dpkg would
# install them: a program with a Designer form builds against them and runs.
root=$work/root
for name in libvorncontrols3 libvorncontrols-dev; do
    dpkg-deb -x "$(package "$name")" "$root" || fail "unpacking $name"
done
libdir=$(dirname "$(find "$root" -name 'libVornControls.so.3' -print -quit)")
LD_LIBRARY_PATH=$libdir bash "$(dirname "$0")/designer_form.sh" "$root/usr" "$work/designer_form"
# The example as the development package ships it, built against the
# packages and run off screen.
example_args=(-G "${CMAKE_GENERATOR:-Ninja}" -DCMAKE_PREFIX_PATH="$root/usr")
[ -n "${CXX:-}" ] && example_args+=(-DCMAKE_CXX_COMPILER="$CXX")
"$cmake" -S "$root/usr/share/doc/libvorncontrols-dev/examples" -B "$work/example" "${example_args[@]}" >/dev/null ||
    fail "configuring the packaged example"
"$cmake" --build "$work/example" >"$work/example.log" 2>&1 || {
    cat "$work/example.log" >&2
    fail "building the packaged example"
}
LD_LIBRARY_PATH=$libdir QT_QPA_PLATFORM=offscreen timeout 60 "$work/example/vorn_example" --smoke ||
    fail "the packaged example's smoke run"
echo "${#names[@]} packages, no lintian error; a program and the packaged example build against the library's packages"
