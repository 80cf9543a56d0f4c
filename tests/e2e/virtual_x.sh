#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Runs a command on a virtual X server of its own: virtual_x.sh CMD [ARGS...]
# Xvfb picks a free display itself and tells its number (-displayfd), so
# runs started together never share a server, which xvfb-run -a cannot
# promise.
set -uo pipefail

fifo=$(mktemp -u)
mkfifo "$fifo"
# -noreset: the server would otherwise start afresh each time its last client
# leaves (the accessibility bus launcher connects only for a moment), and a
# program connecting during that reset fails with "could not connect".
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
server=$!
read -r -t 20 display <"$fifo"
rm -f "$fifo"
if [ -z "${display:-}" ]; then
    echo "virtual_x.sh: Xvfb did not start" >&2
    kill "$server" 2>/dev/null
    exit 1
fi
DISPLAY=":$display" "$@"
rc=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
exit $rc
