#!/usr/bin/env bash
# Runs the built calculator ($1) on a virtual X server: finds its window by
# title, checks the size of the client area, types into the XL field until
# the division-by-zero report appears, dismisses it, and ends the program
# with File > Exit. Exits non-zero on the first failure.
set -uo pipefail

prog=${1:?usage: main_window.sh path/to/Tuning_Coil}
if [ -z "${KORVEL_E2E_INNER:-}" ]; then
    exec timeout 60 bash "$(dirname "$0")/virtual_x.sh" env KORVEL_E2E_INNER=1 bash "$0" "$prog"
fi

title="Korvel Tuning Coil Calculator"
fail() {
    echo "FAIL: $*" >&2
    kill "$pid" 2>/dev/null
    exit 1
}
# Repeats a command every 0.1 s until it succeeds or 10 s have passed.
wait_for() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
has_window() { [ -n "$(visible_window "$1")" ]; }
no_window() { [ -z "$(visible_window "$1")" ]; }

"$prog" &
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

# Click into the XL field (191, 58 in the client area) and empty it: the
# last Backspace divides by zero, which the error report shows.
xdotool mousemove --window "$wid" $((191 + 25 + 30)) $((menu + 58 + 12)) click 1
xdotool key --delay 30 End BackSpace BackSpace BackSpace BackSpace BackSpace
wait_for has_window "Tuning_Coil" || fail "typing into the XL field raised no error report"
report=$(visible_window "Tuning_Coil")
xdotool windowfocus --sync "$report" && xdotool key Return
wait_for no_window "Tuning_Coil" || fail "the error report did not close"
echo "error report shown and closed"

# File > Exit ends the program.
xdotool windowfocus --sync "$wid"
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
before=$(windows)
menu_open() { [ "$(windows)" -gt "$before" ]; }
xdotool mousemove --window "$wid" 15 $((menu / 2)) click 1
wait_for menu_open || fail "File did not open its menu"
xdotool key Down Return
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "File > Exit did not end the program"
wait "$pid"
rc=$?
[ "$rc" -eq 0 ] || fail "the program ended with status $rc"
echo "File > Exit ended the program"
