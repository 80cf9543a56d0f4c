#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# The build's packages as a Debian user gets them:
#   debian_packages.sh <build dir>
# installs the library's run-time component alone into a fresh prefix and
# checks that nothing else lands there; then makes the Debian packages with
# cpack into <build dir>/debian_packages and checks each: its files, the
# library's shlibs file and ldconfig trigger, and that lintian reports no
# error. CPACK and CMAKE (optional) come from the environment. Exits non-zero
# on the first failure.
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
grep -q '/libVornControls\.so\.2\.0\.0$' <<<"$installed" || fail "the run-time component holds no libVornControls.so.2.0.0"
others=$(grep -v -e '/libVornControls\.so\.2' -e '^\./share/doc/libvorncontrols2/' <<<"$installed" || true)
[ -z "$others" ] || fail "the run-time component installs more than the library: $others"

(cd "$build" && "$cpack" -G DEB -B "$work" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log" >&2
    fail "cpack -G DEB"
}
package() { ls "$work"/"$1"_*.deb 2>/dev/null | head -1; }
for name in libvorncontrols2 libvorncontrols-dev korvel-tuning-coil vorn-controls-designer-plugin; do
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
lib=$(package libvorncontrols2)
[ "$(dpkg-deb -I "$lib" shlibs)" = "libVornControls 2 libvorncontrols2 (>= 2.0.0)" ] ||
    fail "libvorncontrols2's shlibs file does not name libVornControls 2"
# Each read whole before matching: grep -q stopping early would end dpkg-deb
# with SIGPIPE.
triggers=$(dpkg-deb -I "$lib" triggers)
grep -q '^activate-noawait ldconfig$' <<<"$triggers" || fail "libvorncontrols2 has no ldconfig trigger"
dev_files=$(dpkg-deb -c "$(package libvorncontrols-dev)")
grep -q 'usr/include/vorn/VornVersion.h$' <<<"$dev_files" || fail "libvorncontrols-dev holds no vorn/VornVersion.h"
depends=$(dpkg-deb -f "$(package korvel-tuning-coil)" Depends)
grep -q 'libvorncontrols2 (= 2.0.0)' <<<"$depends" || fail "korvel-tuning-coil does not depend on libvorncontrols2"
# The library's two packages unpacked into an empty root, as dpkg would
# install them: a program with a Designer form builds against them and runs.
root=$work/root
for name in libvorncontrols2 libvorncontrols-dev; do
    dpkg-deb -x "$(package "$name")" "$root" || fail "unpacking $name"
done
LD_LIBRARY_PATH=$(dirname "$(find "$root" -name 'libVornControls.so.2' -print -quit)") \
    bash "$(dirname "$0")/designer_form.sh" "$root/usr" "$work/designer_form"
echo "four packages, no lintian error; a program builds against the library's packages"
