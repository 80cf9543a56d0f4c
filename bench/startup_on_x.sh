#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# The calculator's start to its first frame on a virtual X server, beside a
# stock Qt twin (bench/startup/StockProgram.cpp) that shows the same window
# from stock widgets with the same icon:
#
#   bench/startup_on_x.sh BUILD_DIR [-n RUNS] [--warmup N]
#
# Starts its own Xvfb on a free display, then starts the two programs
# alternately RUNS times each (30 unless told) and prints, per side, the
# median, quartiles and range of the wall time from the start to the first
# frame, of the process's CPU time by then and of the X server's CPU time
# during the run, and the ratios project / stock against the goal 1.05. Both
# programs carry a probe that ends them at their first frame, so closing them
# is not timed. Exits non-zero when a program fails to reach its first frame.
# Needs the targets bench_startup_program and bench_startup_stock built.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

usage() {
  echo "usage: $0 BUILD_DIR [-n RUNS] [--warmup N]" >&2
  exit 2
}
[[ $# -ge 1 ]] || usage
build=$1
shift
runs=30
warmup=1
while [[ $# -gt 0 ]]; do
  case $1 in
    -n | --runs) [[ $# -ge 2 ]] || usage; runs=$2; shift 2 ;;
    --warmup) [[ $# -ge 2 ]] || usage; warmup=$2; shift 2 ;;
    *) usage ;;
  esac
done
project=$build/bench/bench_startup_program
stock=$build/bench/bench_startup_stock
for program in "$project" "$stock"; do
  [[ -x $program ]] || { echo "$program is missing: build bench_startup_program and bench_startup_stock" >&2; exit 2; }
done

# shellcheck source=support/xvfb.sh
source "$here/support/xvfb.sh"
start_xvfb
echo "Xvfb $XVFB_DISPLAY (process $XVFB_PID); $(xdpyinfo -display "$XVFB_DISPLAY" 2>/dev/null | grep -c MIT-SHM || true) MIT-SHM extension"
DISPLAY=$XVFB_DISPLAY /usr/bin/python3 "$here/support/startup_runs.py" --runs "$runs" --warmup "$warmup" \
  --server-pid "$XVFB_PID" "$project" "$stock"
