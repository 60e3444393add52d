# Sourced: start_virtual_display brings up Xvfb on a free display number, exports
# DISPLAY and sets xvfb_pid; the caller stops it (with Wine's server) when done.
start_virtual_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
    return 1
  done
  return 1
}
