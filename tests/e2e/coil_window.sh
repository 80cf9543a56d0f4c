#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Runs the built calculator ($1) on a virtual X server, on a dark desktop
# style, and drives the coil winding window from the keyboard: Alt+W in the
# main window opens it; a new frequency typed into the calculator changes
# the turns it shows; a wire thinner than allowed empties its read-outs
# without an error report; its Close button closes it and Alt+W brings it
# back with what was typed. Exits non-zero on the first failure.
set -uo pipefail

prog=${1:?usage: coil_window.sh path/to/Tuning_Coil}
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${KORVEL_E2E_INNER:-}" ]; then
    exec timeout 60 bash "$here/virtual_x.sh" dbus-run-session -- env KORVEL_E2E_INNER=1 bash "$0" "$prog"
fi

# shellcheck source=SCRIPTDIR/x_windows.bash
source "$here/x_windows.bash"

# The turns read-out of the coil window (client area position of its
# description), as pixels.
turns() { import -window "$coil" -crop "208x25+224+8" txt:- | md5sum; }
type_keys() {
    for k in "$@"; do
        xdotool key "$k"
        sleep 0.2
    done
}

QT_STYLE_OVERRIDE=Adwaita-Dark "$prog" &
pid=$!

wait_for has_window "Korvel Tuning Coil Calculator" || fail "no main window"
main=$(visible_window "Korvel Tuning Coil Calculator")
xdotool windowfocus --sync "$main" || fail "cannot focus the main window"
xdotool key alt+w
wait_for has_window "Coil winding" || fail "Alt+W did not open the coil winding window"
coil=$(visible_window "Coil winding")
sleep 0.5
echo "coil window $coil"

# The calculator at 14.2 MHz asks for 4.225 uH: fewer turns.
before=$(turns)
xdotool windowfocus --sync "$main"
xdotool key alt+1
type_keys 1 4 period 2
sleep 0.3
[ "$(turns)" != "$before" ] || fail "the turns did not follow the frequency typed into the calculator"
echo "turns follow the calculator"

# Insulated wire of 0.4 mm round 0.5 mm bare wire: no turns, no error report.
xdotool windowfocus --sync "$coil"
followed=$(turns)
xdotool key alt+3
type_keys 0 period 4
has_window "Tuning_Coil" && fail "a bad value opened an error report"
[ "$(turns)" != "$followed" ] || fail "the turns stayed after a bad value"
echo "bad value: read-outs cleared, no error report"

# Closed and opened again, it keeps what was typed.
bad=$(turns)
xdotool mousemove --window "$coil" 394 270 click 1
wait_for no_window "Coil winding" || fail "Close did not close the coil winding window"
xdotool windowfocus --sync "$main"
xdotool key alt+w
wait_for has_window "Coil winding" || fail "Alt+W did not open the coil winding window again"
coil=$(visible_window "Coil winding")
sleep 0.5
[ "$(turns)" = "$bad" ] || fail "the window lost its values while closed"
echo "values kept while closed"
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
