#!/usr/bin/env bash
# Builds the program and starts it on a scratch copy of the demo installation, so the
# committed demo never changes. Without $DISPLAY it runs on a virtual display, saves a
# screenshot and says where.
set -euo pipefail
source "$(dirname "$0")/demo-session.sh"

if [ -z "$headless" ]; then
  exec $wine "$build/FS9SkylinerConfig.exe"
fi
$wine "$build/FS9SkylinerConfig.exe" &
sleep "${SKYLINER_SCREENSHOT_DELAY:-6}"
shot=$PWD/$build/screenshot.png
import -window root "$shot"
echo "Screenshot of the running program: $shot"
