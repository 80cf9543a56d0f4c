#!/usr/bin/env bash
# Takes a picture of the main window under a virtual X server:
#   scripts/screenshot.sh build/app/Tuning_Coil docs/main-window.png
# Needs ImageMagick's `import` (apt-get install imagemagick); nothing else
# in the project depends on it.
set -euo pipefail
prog=${1:?program}
out=${2:?output png}
if [ -z "${KORVEL_SHOT_INNER:-}" ]; then
    exec timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" env KORVEL_SHOT_INNER=1 bash "$0" "$prog" "$out"
fi
"$prog" &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT
wid=
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name "^Korvel Tuning Coil Calculator\$" 2>/dev/null | head -1) || true
    [ -n "$wid" ] && break
    sleep 0.1
done
[ -n "$wid" ] || { echo "no main window" >&2; exit 1; }
sleep 0.5 # let the first paint reach the screen
eval "$(xdotool getwindowgeometry --shell "$wid")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
