# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Sourced by the benchmark scripts that run on a virtual X server
# (bench/startup_on_x.sh, bench/pairs_on_x.sh). start_xvfb starts Xvfb on the
# first free display from :90 on, waits until it accepts clients and sets
# XVFB_PID and XVFB_DISPLAY (":N"); the server is stopped when the script
# exits.

stop_xvfb() {
  if [[ -n ${XVFB_PID:-} ]]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
  fi
  [[ -n ${XVFB_READY:-} ]] && rm -f "$XVFB_READY"
  return 0
}

start_xvfb() {
  XVFB_READY=$(mktemp)
  trap stop_xvfb EXIT
  trap 'exit 130' INT TERM
  local n pid i
  for ((n = 90; n < 200; ++n)); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    : >"$XVFB_READY"
    # -displayfd: the server writes its display number there once it
    # accepts clients.
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset -displayfd 3 3>"$XVFB_READY" 2>/dev/null &
    pid=$!
    for ((i = 0; i < 100; ++i)); do
      if [[ -s $XVFB_READY ]]; then
        XVFB_PID=$pid
        # shellcheck disable=SC2034 # for the script that sourced this file
        XVFB_DISPLAY=:$n
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break # another server took :N first
      sleep 0.1
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  echo "could not start Xvfb" >&2
  return 1
}
