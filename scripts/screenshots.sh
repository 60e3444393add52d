#!/usr/bin/env bash
# Takes the README's screenshots from the real program on a virtual display, in one run:
# the launcher, its About box and the Pilot ID question; the Configuration dialog; the aircraft selector and the
# A320's load manager, then with the demo's OFP imported; the fuel planner with the results
# of a typed flight, then of the demo's OFP imported; the key
# assignments, the key capture and the question before a combination moves to another
# command; the Restore Backups dialog after two saves.
# With SKYLINER_LOGPIXELS=144 the same set at a screen scale of 150 %, named *-150.png, from
# a Wine prefix of that scale beside the usual one.
set -euo pipefail
unset DISPLAY
logpixels=${SKYLINER_LOGPIXELS:-96}
suffix=""
if [ "$logpixels" != 96 ]; then
  suffix=-$((logpixels * 100 / 96))
  # A screen that the load manager, 1065 pixels high at 150 %, fits on, in a prefix of its own.
  export SKYLINER_SCREEN=1920x1536
  export SKYLINER_WINEPREFIX=$PWD/build/windows/wineprefix-$logpixels-screenshots
fi
width=${SKYLINER_SCREEN:-1280x1024}
height=${width#*x} width=${width%x*}
source "$(dirname "$0")/demo-session.sh"
command -v xdotool >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xdotool >/dev/null

out=docs/images
mkdir -p "$out"
# Crops a screenshot of the virtual desktop to the windows on it.
shoot() { import -window root png:- | convert - -fuzz 3% -trim +repage -bordercolor white -border 8 "$out/${1%.png}$suffix.png"; }
# A height on the 1280 x 1024 screen at 96 dpi, where it lies on this screen at this scale:
# windows are centred and grow from the middle.
at() { echo $((height / 2 + ($1 - 512) * logpixels / 96)); }

# Every window is centred on the desktop. The launcher's four buttons, from
# the top: Aircraft Configuration, Load Manager, Fuel Planner, Key Config.
button() { xdotool mousemove $((width / 2)) "$(at "$1")" click 1; sleep 2; }
configuration_button=387 load_manager_button=465 fuel_planner_button=545 key_button=622
# Picks the A320 in the selector and closes it.
pick_a320() {
  xdotool mousemove $((width / 2)) "$(at 505)" click 1
  sleep 0.5
  xdotool mousemove $((width / 2)) "$(at 723)" click 1
  sleep 2
}

$wine "$build/FS9SkylinerConfig.exe" &
program=$!
sleep 6
shoot launcher.png

# The About box from the window menu: Wine's own About item takes the letter A as well, so
# Up three times picks ours, above Restore backups and SimBrief Pilot ID, the last item.
xdotool key alt+space
sleep 1
xdotool key Up Up Up Return
sleep 2
shoot about.png
xdotool key Return
sleep 1

# The Pilot ID question, from the window menu; Escape leaves it unanswered.
xdotool key alt+space
sleep 1
xdotool key i
sleep 2
shoot pilot-id.png
xdotool key Escape
sleep 1

# Escape closes each dialog without saving.
button $configuration_button
shoot configuration.png
xdotool key Escape
sleep 1

button $load_manager_button
shoot selector.png
pick_a320
shoot load-manager.png
# Import... (Alt+I) opens in the demo's Documents, which holds the sample OFP; the note that
# follows says what was set, and Enter closes it before the shot.
import_file() {
  xdotool key alt+i
  sleep 2
  xdotool type --delay 20 "$1"
  xdotool key Return
  sleep 2
}
import_file "EBBRLEMD OFP.xml"
xdotool key Return
sleep 1
shoot load-manager-import.png
xdotool key Escape
sleep 1

# The planner opens with the focus in its first field; Enter validates. The flight is heavier
# at take-off than the demo A320's aircraft file allows, so the note under the tanks shows.
button $fuel_planner_button
pick_a320
xdotool type --delay 50 2000
xdotool key Tab
xdotool type --delay 50 35000
xdotool key Tab
xdotool type --delay 50 30
xdotool key Tab
xdotool type --delay 50 62000
xdotool key Return
sleep 1
shoot fuel-planner.png
# The Open dialog starts where the load manager's import was chosen.
import_file "EBBRLEMD OFP.xml"
shoot fuel-planner-import.png
xdotool key Escape
sleep 1

# From OK to the list, down to "[MCDU] INIT Key", then Change Assignment (Alt+C) and a
# combination pressed in the capture field.
button $key_button
xdotool key Tab Tab Down Down Down Down
sleep 1
shoot key-assignments.png
xdotool key alt+c
sleep 2
xdotool key ctrl+shift+F5
sleep 1
shoot key-capture.png
# Another command holds that combination: OK asks before it moves.
xdotool key Return
sleep 1
shoot key-conflict.png
# Yes moves it; Escape then leaves the key assignments without saving.
xdotool key Return
sleep 1
xdotool key Escape
sleep 1

# OK in the A320's load manager and in the Configuration dialog saves, which keeps the
# files' first state as backups; the launcher's system menu (Alt+Space, B) lists them.
button $load_manager_button
pick_a320
xdotool key Return
sleep 2
xdotool key Return
sleep 1
button $configuration_button
xdotool key Return
sleep 2
xdotool key Return
sleep 1
xdotool key alt+space
sleep 1
xdotool key b
sleep 2
shoot restore-backups.png
kill "$program"
echo "Screenshots in $out"
