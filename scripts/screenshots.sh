#!/usr/bin/env bash
# Takes the README's screenshots from the real program on a virtual display: the
# launcher, then the aircraft selector opened by its Load Manager button, then the A320's
# load manager on the demo payload.
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
# The launcher is centred on the 1280 x 1024 desktop; its Load Manager button is just
# above the middle.
xdotool mousemove 640 465 click 1
sleep 2
shoot selector.png
# The A320 button, a little below the middle of the centred selector; closing the
# selector (Escape) opens the A320's load manager.
xdotool mousemove 640 505 click 1
sleep 1
xdotool key Escape
sleep 3
shoot load-manager.png
echo "Screenshots in $out"
