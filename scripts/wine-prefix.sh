#!/usr/bin/env bash
# Creates the Wine prefix named by $WINEPREFIX once: a virtual desktop (1280 x 1024, or
# $SKYLINER_SCREEN), no Mono or Gecko.
set -euo pipefail
: "${WINEPREFIX:?}"
source "$(dirname "$0")/wine-env.sh"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.skyliner-ready" ]; then
  $wine wineboot -i >/dev/null 2>&1
  $wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
  $wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d "${SKYLINER_SCREEN:-1280x1024}" /f >/dev/null 2>&1
  # The caption buttons are drawn with Marlett, and Tahoma is the dialogs' bold face;
  # Wine ships both but does not put them in a new prefix here.
  cp /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # A screen scale other than 100 % (144 for 150 %), read by Wine when its server starts.
  if [ -n "${SKYLINER_LOGPIXELS:-}" ]; then
    $wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$SKYLINER_LOGPIXELS" /f >/dev/null 2>&1
  fi
  wineserver -w
  touch "$WINEPREFIX/.skyliner-ready"
fi
