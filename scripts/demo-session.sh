# Sourced by the scripts that start the program on the demo installation: builds it,
# lays a scratch copy of demo/FS9, registers it as the simulator's folder in the build's
# Wine prefix, makes a scratch copy of demo/Documents the prefix's Documents (with the
# sample flight plans), and brings up a virtual display when there is none (sets `headless`).
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
source scripts/wine-env.sh
cmake --preset "$windows_preset" >/dev/null
cmake --build --preset "$windows_preset" --target FS9SkylinerConfig

build=build/$windows_preset
if [ "$windows_preset" != windows ]; then
  echo "This machine runs no 32-bit programs: starting the 64-bit build ($build), not the 32-bit product."
fi
scratch=$build/demo-run
rm -rf "$scratch"
mkdir -p "$scratch"
cp -r demo/FS9 demo/Documents "$scratch/"

export WINEPREFIX=${SKYLINER_WINEPREFIX:-$PWD/$build/wineprefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
root_windows="Z:$(realpath "$scratch/FS9" | tr / '\\')"
documents_windows="Z:$(realpath "$scratch/Documents" | tr / '\\')"

headless=""
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  source scripts/virtual-display.sh
  start_virtual_display
  trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
fi

scripts/wine-prefix.sh
# The registry view of the program's own bitness.
view=/reg:32
[ "$windows_preset" = windows64 ] && view=/reg:64
$wine reg add 'HKLM\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\9.0' \
  /v "EXE Path" /t REG_SZ /d "$root_windows" /f $view >/dev/null 2>&1
echo "Simulator folder: $root_windows (a scratch copy of demo/FS9)"
# Wine's own Documents is the user's home folder; the Open dialog starts in this copy instead.
$wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' \
  /v Personal /t REG_SZ /d "$documents_windows" /f >/dev/null 2>&1
echo "Documents: $documents_windows (a scratch copy of demo/Documents, with sample flight plans)"
