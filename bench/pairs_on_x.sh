#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# bench_pairs on a virtual X server, counting the X server's CPU time with
# the program's own:
#
#   bench/pairs_on_x.sh BUILD_DIR [FILTER] [bench_pairs flags...]
#
# Starts its own Xvfb on a free display and runs BUILD_DIR/bench/bench_pairs
# there on Qt's xcb platform with BENCH_X_SERVER_PID set, so that each
# benchmark also reports the server's CPU time per iteration (x_server_us) and
# the program ends with the ratios of program + server, project / stock.
# FILTER is a --benchmark_filter regular expression, the 100 labels pair
# unless told (e.g. '^(100_labels|start-up|numeric_label)/'). Every pair is
# still checked for equal work first. /proc gives the server's CPU time in
# clock ticks (10 ms), so each repetition runs for at least 5 s, where a tick
# is a small part of it; a later --benchmark_min_time wins.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [[ $# -lt 1 ]]; then
  echo "usage: $0 BUILD_DIR [FILTER] [bench_pairs flags...]" >&2
  exit 2
fi
pairs=$1/bench/bench_pairs
filter=${2:-^100_labels/}
shift $(($# >= 2 ? 2 : 1))
[[ -x $pairs ]] || { echo "$pairs is missing: build bench_pairs" >&2; exit 2; }

# shellcheck source=support/xvfb.sh
source "$here/support/xvfb.sh"
start_xvfb
echo "Xvfb $XVFB_DISPLAY (process $XVFB_PID); $(xdpyinfo -display "$XVFB_DISPLAY" 2>/dev/null | grep -c MIT-SHM || true) MIT-SHM extension"
status=0
QT_QPA_PLATFORM=xcb DISPLAY=$XVFB_DISPLAY BENCH_X_SERVER_PID=$XVFB_PID \
  "$pairs" --benchmark_filter="$filter" --benchmark_min_time=5 "$@" || status=$?
exit $status
