#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the library and the program, and starts
# the calculator.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh run
exec build/app/Tuning_Coil "$@"
