#!/usr/bin/env bash
# Takes the README's screenshots from the real program on a virtual display: the
# launcher, the Configuration dialog opened by its first button, then the aircraft
# selector opened by its Load Manager button.
set -euo pipefail
unset DISPLAY
source "$(dirname "$0")/demo-session.sh"
command -v xdotool >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xdotool >/dev/null

out=docs/images
mkdir -p "$out"
# Crops a screenshot of the virtual desktop to the windows on it.
shoot() { import -window root png:- | convert - -fuzz 3% -trim +repage -bordercolor white -border 8 "$out/$1"; }

$wine "$build/FS9SkylinerConfig.exe" &
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
echo "Screenshots in $out"
