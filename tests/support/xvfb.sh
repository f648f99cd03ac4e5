# Sourced by the tests that need a real X server. start_xvfb starts one of its
# own on a free display, records its process in xvfb_pid and exports DISPLAY;
# it calls the test's skip function when none can start. Needs $work.
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
