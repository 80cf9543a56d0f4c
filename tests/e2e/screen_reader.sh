#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Runs the built calculator ($1) on a virtual X server with the desktop
# accessibility bus (AT-SPI) and reads and edits it as a screen reader does
# (screen_reader.py), through that bus only.
set -uo pipefail

prog=${1:?usage: screen_reader.sh path/to/Tuning_Coil}
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${KORVEL_E2E_INNER:-}" ]; then
    exec timeout 90 bash "$here/virtual_x.sh" \
        dbus-run-session -- env KORVEL_E2E_INNER=1 bash "$0" "$prog"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
# Qt turns its AT-SPI bridge on when a screen reader is announced; this says
# one is, without a desktop to set it.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$prog" &
pid=$!
/usr/bin/python3 "$here/screen_reader.py"
rc=$?
kill "$pid" "$bus" 2>/dev/null
wait "$pid" 2>/dev/null
exit $rc
