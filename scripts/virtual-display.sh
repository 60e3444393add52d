# Sourced: start_virtual_display brings up Xvfb (1280 x 1024, or $SKYLINER_SCREEN) on a free display number, exports
# DISPLAY and sets xvfb_pid; the caller stops it (with Wine's server) when done.
start_virtual_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${SKYLINER_SCREEN:-1280x1024}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      kill -0 "$xvfb_pid" 2>/dev/null || break
      if [ -e "/tmp/.X11-unix/X$n" ]; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    if ! kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X$n-lock" ]; then
      continue # another server took this number since the lock check
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    echo "Xvfb did not bring up display :$n; check that \`Xvfb :$n\` starts by hand and" \
         "that /tmp/.X11-unix exists and is writable." >&2
    return 1
  done
  echo "No free X display from :90 to :140; check for stale /tmp/.X*-lock files." >&2
  return 1
}
