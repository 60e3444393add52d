#!/usr/bin/env bash
# Builds both presets and runs every test: the portable core natively (with sanitizers),
# then the Windows executables under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

# The product is always the 32-bit build. Its tests run under 32-bit Wine where the host
# runs 32-bit code, else as the 64-bit build of the same sources under 64-bit Wine.
cmake --preset windows >/dev/null
cmake --build --preset windows
source scripts/wine-env.sh
if [ "$windows_preset" != windows ]; then
  echo "This machine runs no 32-bit programs: the Windows tests run as a 64-bit build."
  cmake --preset "$windows_preset" >/dev/null
  cmake --build --preset "$windows_preset"
fi
ctest --preset "$windows_preset"
