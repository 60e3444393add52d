#!/usr/bin/env bash
# Builds both presets and runs every test: the portable core natively (with sanitizers),
# then the Windows executables under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
