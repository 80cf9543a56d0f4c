# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Sourced by the end-to-end scripts: failing with a message (ending the
# program started as $pid), waiting, and finding windows by their title.

fail() {
    echo "FAIL: $*" >&2
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
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
