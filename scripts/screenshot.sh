#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Takes a picture of the main window, with --info of the info window
# opened from the main window's Info menu item, or with --coil of the coil
# winding window opened with the key of its File menu item (Alt+W), under a
# virtual X server:
#   scripts/screenshot.sh build/app/Tuning_Coil docs/main-window.png
#   scripts/screenshot.sh --info build/app/Tuning_Coil docs/info-window.png
#   scripts/screenshot.sh --coil build/app/Tuning_Coil docs/coil-window.png
#   QT_SCALE_FACTOR=2 scripts/screenshot.sh build/app/Tuning_Coil docs/main-window@2x.png
# Needs ImageMagick's `import` (apt-get install imagemagick); nothing else
# in the project depends on it.
set -euo pipefail
info=
if [ "${1:-}" = --info ] || [ "${1:-}" = --coil ]; then
    info=$1
    shift
fi
prog=${1:?program}
out=${2:?output png}
if [ -z "${KORVEL_SHOT_INNER:-}" ]; then
    exec timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" env KORVEL_SHOT_INNER=1 bash "$0" $info "$prog" "$out"
fi
"$prog" &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT

# The id of the first visible window whose title is exactly $1.
find_window() {
    local wid=
    for _ in $(seq 100); do
        wid=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
        [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || { echo "no window \"$1\"" >&2; return 1; }
    echo "$wid"
}

wid=$(find_window "Korvel Tuning Coil Calculator")
sleep 0.5 # let the first paint reach the screen
if [ "$info" = --coil ]; then
    xdotool windowfocus --sync "$wid"
    xdotool key alt+w
    wid=$(find_window "Coil winding")
    xdotool mousemove 0 0
    sleep 0.5
elif [ -n "$info" ]; then
    # Info is the second item of the menu bar, right of File; under
    # QT_SCALE_FACTOR the menu bar is scaled with everything else.
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    scale=${QT_SCALE_FACTOR:-1}
    xdotool mousemove "$(awk -v x="$X" -v s="$scale" 'BEGIN { printf "%d", x + 50 * s }')" \
        "$(awk -v y="$Y" -v s="$scale" 'BEGIN { printf "%d", y + 10 * s }')" click 1
    wid=$(find_window "Info")
    xdotool mousemove 0 0 # keep the pointer off the Close button
    sleep 0.5
fi
eval "$(xdotool getwindowgeometry --shell "$wid")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
