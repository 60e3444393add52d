#!/usr/bin/env bash
# Takes the README's screenshots from the real program on a virtual display: the
# launcher, the Configuration dialog opened by its first button, then the aircraft
# selector opened by its Load Manager button; then, in a second run, the key assignments
# and the key capture opened by the Key Config button.
set -euo pipefail
unset DISPLAY
source "$(dirname "$0")/demo-session.sh"
command -v xdotool >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xdotool >/dev/null

out=docs/images
mkdir -p "$out"
# Crops a screenshot of the virtual desktop to the windows on it.
shoot() { import -window root png:- | convert - -fuzz 3% -trim +repage -bordercolor white -border 8 "$out/$1"; }

$wine "$build/FS9SkylinerConfig.exe" &
program=$!
sleep 6
shoot launcher.png
# The launcher is centred on the 1280 x 1024 desktop; its first button, Aircraft
# Configuration, is a little above the middle. Escape closes the dialog without saving.
xdotool mousemove 640 387 click 1
sleep 2
shoot configuration.png
xdotool key Escape
sleep 1
# Its Load Manager button is just above the middle.
xdotool mousemove 640 465 click 1
sleep 2
shoot selector.png
# The selector asks until a variant is chosen: start afresh for the key dialogs.
kill "$program"
wait "$program" 2>/dev/null || true
sleep 2

$wine "$build/FS9SkylinerConfig.exe" &
program=$!
sleep 6
# The Key Config button is the launcher's fourth.
xdotool mousemove 640 622 click 1
sleep 2
# From OK to the list, down to "[MCDU] INIT Key", then Change Assignment (Alt+C) and a
# combination pressed in the capture field.
xdotool key Tab Tab Down Down Down Down
sleep 1
shoot key-assignments.png
xdotool key alt+c
sleep 2
xdotool key ctrl+shift+F5
sleep 1
shoot key-capture.png
kill "$program"
echo "Screenshots in $out"
