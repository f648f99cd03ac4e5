# Sourced by the tests that need a real X server. It makes the scratch folder
# $work and ends the program ($app_pid) and the X server when the test exits.
# start_xvfb starts an X server of its own on a free display and exports
# DISPLAY; it calls the test's skip function when none can start.
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb() {
  exec 5>"$work/display"
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -s "$work/display" ] || skip "no X server could start here (Xvfb: $(tail -n 1 "$work/xvfb.log"))"
  export DISPLAY=":$(head -n 1 "$work/display")"
}
