# Sourced by the scripts that start the program on the demo installation: builds it,
# lays a scratch copy of demo/FS9, registers it as the simulator's folder in the build's
# Wine prefix, and brings up a virtual display when there is none (sets `headless`).
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target FS9SkylinerConfig

build=build/windows
scratch=$build/demo-run
rm -rf "$scratch"
mkdir -p "$scratch"
cp -r demo/FS9 "$scratch/"

export WINEPREFIX=$PWD/$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
root_windows="Z:$(realpath "$scratch/FS9" | tr / '\\')"

headless=""
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  display=""
  for n in $(seq 90 140); do [ -e "/tmp/.X$n-lock" ] || { display=$n; break; }; done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$display"
  trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
fi

scripts/wine-prefix.sh
wine reg add 'HKLM\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\9.0' \
  /v "EXE Path" /t REG_SZ /d "$root_windows" /f /reg:32 >/dev/null 2>&1
echo "Simulator folder: $root_windows (a scratch copy of demo/FS9)"
