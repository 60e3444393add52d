#!/usr/bin/env bash
# Runs a Windows program under 32-bit Wine, in a prefix kept inside the build folder
# (never ~/.wine) and inside a Wine virtual desktop, so windows open and close fast.
# Without $DISPLAY it brings up a virtual X display for the duration of the run.
set -euo pipefail
program=$1; shift
build_dir=$(cd "$(dirname "$program")" && pwd)
export WINEPREFIX=${SKYLINER_WINEPREFIX:-$build_dir/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

own_display=""
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || { own_display=$n; break; }
  done
  Xvfb ":$own_display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$own_display"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$own_display" ] && break; sleep 0.1; done
fi
cleanup() {
  if [ -n "$own_display" ]; then
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

"$(dirname "$0")/wine-prefix.sh"
wine "$program" "$@"
