#!/usr/bin/env bash
# Builds what is missing and runs every test: the unit tests natively and the end-to-end
# tests of the real program under Wine (labels "unit" and "e2e"; pass -L unit to pick).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/build.sh
tools/wine-rig.sh builds
ctest --test-dir build --output-on-failure "$@"
