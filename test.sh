#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything, and runs every test: first
# in build/ (GCC), then again under AddressSanitizer and
# UndefinedBehaviorSanitizer with the fuzz targets in build-san/ (clang).
#   ./test.sh           both stages (what CI runs)
#   ./test.sh --quick   the first stage only
set -euo pipefail
cd "$(dirname "$0")"
quick=false
case "${1:-}" in
"") ;;
--quick) quick=true ;;
*)
  echo "usage: $0 [--quick]" >&2
  exit 2
  ;;
esac
scripts/setup.sh test
ctest --test-dir build --output-on-failure -j 2
$quick || scripts/sanitize.sh
