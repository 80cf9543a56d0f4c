#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# The library's reference documentation: the docs target builds without a
# Doxygen warning, gives the HTML pages and the Qt Help file, and each
# control's page says what it is, shows its picture, lists its properties
# with their defaults, its signals and slots, and has an example. No page
# shows a path of the machine that built it, every class page gives its
# header as a program includes it (<vorn/...>), every enumerator is
# documented, no sentence is cut short and the page on .ui files is there;
# installed, the pages land under share/doc/libvorncontrols-doc and the Qt
# Help file under share/qt6/doc.
#   docs.sh <build dir>
set -euo pipefail
build=$(cd "${1:?usage: docs.sh <build dir>}" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cmake=${CMAKE:-cmake}
out=$build/docs/api
html=$out/html

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --build "$build" --target docs >"$build/docs.log" 2>&1 || {
    cat "$build/docs.log" >&2
    fail "the docs target"
}
[ ! -s "$out/warnings.log" ] || { cat "$out/warnings.log" >&2; fail "Doxygen warned"; }
[ -f "$html/index.html" ] || fail "no html/index.html"
[ -s "$out/vorn-controls.qch" ] || fail "no vorn-controls.qch"

for control in TNumIO2:numio TNumLab:numlab TRasterLab:rasterlab TRotLab:rotlab; do
    class=${control%%:*} picture=${control##*:}
    page=$html/classvorn_1_1$class.html
    [ -f "$page" ] || fail "no page for vorn::$class"
    [ -f "$html/$picture.png" ] || fail "no picture $picture.png"
    for part in "src=\"$picture.png\"" '>Properties<' '>Signals<' '>Public Slots<' 'class="fragment"' 'Default '; do
        grep -q "$part" "$page" || fail "vorn::$class's page lacks $part"
    done
done

# No path of this machine: neither the sources' nor the build's folder (the
# real one too, should either be reached through a link).
for dir in "$source_dir" "$build" "$(realpath "$source_dir")" "$(realpath "$build")"; do
    found=$(grep -rlF -- "$dir" "$html" || true)
    [ -z "$found" ] || fail "pages show the path $dir:"$'\n'"$found"
done
# Each class's page names its header as a program includes it.
[ -f "$html/classvorn_1_1TNumIO2.html" ] || fail "no class pages"
for page in "$html"/classvorn_1_1*.html "$html"/structvorn_1_1*.html; do
    case "$page" in *-members.html) continue ;; esac
    include=$(grep -o '#include &lt;<a [^>]*>[^<]*</a>&gt;' "$page" | sed 's/<[^>]*>//g' || true)
    grep -Eq '^#include &lt;vorn/[A-Za-z_]+\.h&gt;$' <<<"$include" ||
        fail "$(basename "$page") gives its header as '${include:-nothing}', not #include <vorn/...>"
done
grep -q '#include &lt;<a [^>]*>vorn/NumIO.h</a>&gt;' "$html/classvorn_1_1TNumIO2.html" ||
    fail "vorn::TNumIO2's page does not give #include <vorn/NumIO.h>"

# Every enumerator documented (Doxygen's XML output lists them all).
python3 - "$out/xml" <<'EOF' || fail "enumerators without documentation"
import glob, sys
import xml.etree.ElementTree as ET

bare = []
paths = glob.glob(sys.argv[1] + "/*.xml")
if not paths:
    sys.exit("no XML output in " + sys.argv[1])
for path in paths:
    for member in ET.parse(path).iter("memberdef"):
        if member.get("kind") != "enum":
            continue
        for value in member.iter("enumvalue"):
            text = "".join(value.find("briefdescription").itertext()) + "".join(
                value.find("detaileddescription").itertext())
            if not text.strip():
                bare.append(value.findtext("name"))
for name in sorted(set(bare)):
    print("undocumented enumerator:", name, file=sys.stderr)
sys.exit(1 if bare else 0)
EOF

# No sentence cut short: Doxygen ends a brief description at a full stop
# followed by a space, so "0 .. 8" showed as "0 ." and a paragraph ". 8".
cut=$(grep -EHo '.{0,60}([[:alnum:])] \. *(</p>|<a [^>]*>More)|<p ?>\. ).{0,30}' "$html"/*.html || true)
[ -z "$cut" ] || fail "sentences cut short:"$'\n'"$cut"
# No property that does not exist.
stale=$(grep -EHo '.{0,40}(^|[^A-Za-z])BitFont([^A-Za-z]|$).{0,40}' "$html"/*.html || true)
[ -z "$stale" ] || fail "pages name a property BitFont, which does not exist:"$'\n'"$stale"
# The date display's pattern and day numbers are explained.
for part in 'id="numlab_dates"' '30 December 1899' '<code>mmm</code>' '<code>am/pm</code>'; do
    grep -q "$part" "$html/classvorn_1_1TNumLab.html" || fail "vorn::TNumLab's page lacks $part"
done
# The page on .ui files, reachable from the main page.
[ -f "$html/ui_files.html" ] || fail "no page ui_files.html"
grep -q '<code>stdset="0"</code>' "$html/ui_files.html" || fail "ui_files.html does not explain stdset=\"0\""
grep -q 'href="ui_files.html"' "$html/index.html" || fail "the main page does not link ui_files.html"

prefix=$build/docs_install
rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" --component vorn_doc >/dev/null || fail "installing the documentation"
[ -f "$prefix/share/doc/libvorncontrols-doc/html/index.html" ] ||
    fail "share/doc/libvorncontrols-doc/html/index.html is not installed"
[ -f "$prefix/share/qt6/doc/vorn-controls.qch" ] || fail "share/qt6/doc/vorn-controls.qch is not installed"
rm -rf "$prefix"
echo "docs: built without warnings, each control's page complete, no build path, every enumerator documented, installed"
