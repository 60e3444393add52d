#!/usr/bin/env bash
# Takes the README's screenshots from the real program on a virtual display: the
# launcher, then the aircraft selector opened by its Load Manager button, then the fuel
# planner with the results of a typed flight.
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

# Every window is centred on the desktop. Pick the A320 and close the selector; Escape
# then ends what the Load Manager button opened, back to the launcher.
pick_a320() {
  xdotool mousemove 640 505 click 1
  sleep 0.5
  xdotool mousemove 640 723 click 1
  sleep 2
}
pick_a320
xdotool key Escape
sleep 1
# Fuel Planner, just below the middle of the launcher; the planner opens with the focus
# in its first field, and Enter validates.
xdotool mousemove 640 545 click 1
sleep 2
pick_a320
xdotool type --delay 50 500
xdotool key Tab
xdotool type --delay 50 35000
xdotool key Tab
xdotool type --delay 50 30
xdotool key Tab
xdotool type --delay 50 60000
xdotool key Return
sleep 1
shoot fuel-planner.png
echo "Screenshots in $out"
