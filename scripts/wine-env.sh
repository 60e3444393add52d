# Sourced: picks the Wine loader. The program is 32-bit and runs under 32-bit Wine; on a
# host whose kernel runs no 32-bit code (Wine's 32-bit loader then fails with "Exec format
# error"), the Windows tests and the demo use the 64-bit build of the same sources under
# 64-bit Wine instead. Sets `wine` (the command) and `windows_preset`. For a Wine installed
# elsewhere than Debian puts it, set SKYLINER_WINE32 and SKYLINER_WINE64 to its loaders.
if "${SKYLINER_WINE32:-/usr/lib/wine/wine}" --version >/dev/null 2>&1; then
  # Debian's `wine` runs that same loader.
  wine=${SKYLINER_WINE32:-wine}
  windows_preset=windows
else
  wine=${SKYLINER_WINE64:-/usr/lib/wine/wine64}
  export WINELOADER=$wine WINEARCH=win64
  windows_preset=windows64
fi
