#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Runs the built calculator ($1) on a virtual X server, on a dark desktop
# style, with a session bus of its own (as a desktop has; without one Qt's
# platform code looks for it in vain): finds the window by title, checks
# the size of the client area and that its captions read on a light face,
# goes into the L field with Alt+2 and types a new L key by key, where no
# error report may open, and ends the program with File > Exit. Exits
# non-zero on the first failure.
set -uo pipefail

prog=${1:?usage: main_window.sh path/to/Tuning_Coil}
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${KORVEL_E2E_INNER:-}" ]; then
    exec timeout 60 bash "$here/virtual_x.sh" dbus-run-session -- env KORVEL_E2E_INNER=1 bash "$0" "$prog"
fi

title="Korvel Tuning Coil Calculator"
# shellcheck source=SCRIPTDIR/x_windows.bash
source "$here/x_windows.bash"

# Debian's adwaita-qt6: a style whose own colours are dark.
QT_STYLE_OVERRIDE=Adwaita-Dark "$prog" &
pid=$!

wait_for has_window "$title" || fail "no window titled \"$title\""
wid=$(visible_window "$title")
echo "window $wid"

# The client area is 337 x 153 below the menu bar.
info=$(xwininfo -id "$wid")
width=$(awk '/^ *Width:/ {print $2}' <<<"$info")
height=$(awk '/^ *Height:/ {print $2}' <<<"$info")
menu=$((height - 153))
[ "$width" -eq 337 ] || fail "window width $width, not 337"
[ "$menu" -ge 10 ] && [ "$menu" -le 40 ] || fail "window height $height leaves no room for a 153 pixel client area below a menu bar"
echo "client area 337 x 153, menu bar $menu"

xdotool windowfocus --sync "$wid" || fail "cannot focus the window"

# The window's colours as a user sees them: each caption (client area
# positions of the window description) at a contrast of 4.5:1 or more.
shot() { import -window "$wid" txt:-; }
captions=("8,$((menu + 27)),65,25" "8,$((menu + 58)),65,25" "191,$((menu + 58)),25,25" "8,$((menu + 89)),65,25")
for ratio in $(shot | /usr/bin/python3 "$here/contrast.py" "${captions[@]}"); do
    awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }' || fail "a caption reads at a contrast of $ratio:1, under 4.5:1"
done
echo "captions read on the dark desktop style"

# Keyboard only: Alt+2 puts the focus into L with its text selected; "0.5"
# typed key by key passes through "0" and "0.", which wait without an error
# report. XL follows the new L.
xl_before=$(import -window "$wid" -crop "137x25+191+$((menu + 58))" txt:- | md5sum)
xdotool key alt+2
for k in 0 period 5; do
    xdotool key "$k"
    sleep 0.3
    has_window "Tuning_Coil" && fail "typing L opened an error report"
done
xl_after=$(import -window "$wid" -crop "137x25+191+$((menu + 58))" txt:- | md5sum)
[ "$xl_before" != "$xl_after" ] || fail "XL did not follow the L typed after Alt+2"
echo "L typed from the keyboard, no error report"

# File > Exit ends the program. Exit is the last item of File: Up goes
# there from the freshly opened menu.
xdotool windowfocus --sync "$wid"
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
before=$(windows)
menu_open() { [ "$(windows)" -gt "$before" ]; }
xdotool mousemove --window "$wid" 15 $((menu / 2)) click 1
wait_for menu_open || fail "File did not open its menu"
xdotool key Up Return
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "File > Exit did not end the program"
wait "$pid"
rc=$?
[ "$rc" -eq 0 ] || fail "the program ended with status $rc"
echo "File > Exit ended the program"
