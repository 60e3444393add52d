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

# Every test case starts Wine on its own. One display and one Wine server serve the whole
# run; the server's own processes start here, so that they hold no test's output open.
export WINEPREFIX=${SKYLINER_WINEPREFIX:-$PWD/build/$windows_preset/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb_pid=""
stop_test_session() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap stop_test_session EXIT
if [ -z "${DISPLAY:-}" ]; then
  source scripts/virtual-display.sh
  start_virtual_display
fi
scripts/wine-prefix.sh
wineserver -p 2>/dev/null || true # one already running serves as well
$wine wineboot </dev/null >/dev/null 2>&1
ctest --preset "$windows_preset"
