#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
exec build/app/Tuning_Coil "$@"
