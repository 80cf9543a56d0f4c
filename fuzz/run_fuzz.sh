#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Runs a fuzz target for a bounded time over its seeds:
#   run_fuzz.sh <target> <working dir> <seconds> <seed dir or file>... [-- <libFuzzer options>]
# The seeds are copied into <working dir>/corpus, where libFuzzer also keeps
# what it finds, so that nothing is written into the source tree; a failing
# input is saved in <working dir> as crash-*, leak-*, timeout-* or oom-*.
set -euo pipefail

target=${1:?usage: run_fuzz.sh <target> <working dir> <seconds> <seeds>...}
work=${2:?working dir}
seconds=${3:?seconds}
shift 3
seeds=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    seeds+=("$1")
    shift
done
[ "${1:-}" = "--" ] && shift

# The leaks of the libraries under Qt that scripts/lsan.supp explains are
# not the project's.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "$0")/.." && pwd)/scripts/lsan.supp:print_suppressions=0}

mkdir -p "$work/corpus"
for seed in "${seeds[@]}"; do
    if [ -d "$seed" ]; then
        cp -f "$seed"/* "$work/corpus/"
    else
        cp -f "$seed" "$work/corpus/"
    fi
done
# One execution stays well under a second; ten is a hang. 2 GB is more
# than any single input may take.
exec "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$work/" "$@" "$work/corpus"
