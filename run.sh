#!/usr/bin/env bash
# Installs what is missing, builds the library and the program, and starts
# the calculator.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh run
exec build/app/Tuning_Coil "$@"
