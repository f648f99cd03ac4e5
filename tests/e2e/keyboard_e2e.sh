#!/usr/bin/env bash
# End-to-end test of the keyboard on a real X server: starts the program under
# Xvfb on a copy of the sample lotteries, in a temporary program folder and a
# temporary home whose desktop already holds the launcher (so no welcome box
# waits and the real desktop is never touched), presses real keys with xdotool
# and reads what the window did from its "tombolix.commands" log on stderr.
# Leaves screenshots in the output folder. Exits 77 (skipped) where no X
# server can start or a tool is missing.
# Usage: keyboard_e2e.sh PROGRAM SOURCE_DIR OUTPUT_DIR
set -uo pipefail
program=$(realpath "$1")
source_dir=$(realpath "$2")
output_dir=$(realpath "$3")

skip() {
  echo "SKIPPED: $*"
  exit 77
}
for tool in Xvfb xdotool xwd convert; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/deps.sh test installs it)"
done
[ -x "$program" ] || { echo "no program at $program"; exit 1; }

# shellcheck source=../support/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.sh"

# An X server of our own on a free display.
start_xvfb

# The program folder, the home and its desktop with the launcher already there.
folder="$work/Tombolix"
mkdir -p "$folder/Historiales" "$work/home/Desktop" "$work/runtime"
cp "$source_dir"/data/Historiales/*.txt "$folder/Historiales/"
printf '[Desktop Entry]\nType=Application\nName=Tombolix\n' >"$work/home/Desktop/Tombolix.desktop"
chmod 700 "$work/runtime"
log="$work/tombolix.log"
# Under AddressSanitizer: libxkbcommon-x11 hands strndup a keymap name that is
# not NUL-terminated (strndup itself stops at its length), which strict string
# checks report from inside the X platform plugin; the program's own code
# keeps every other check.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
(
  cd "$folder" &&
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
      QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="tombolix.commands=true" exec "$program"
) 2>"$log" &
app_pid=$!

fail() {
  echo "FAILED: $*"
  echo "--- what the program logged:"
  cat "$log"
  exit 1
}
# Waits until the log holds `count` lines matching `pattern` (extended regex).
wait_for() {
  local pattern=$1 count=${2:-1}
  for _ in $(seq 300); do
    [ "$(grep -c -E -- "$pattern" "$log")" -ge "$count" ] && return 0
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended while waiting for: $pattern"
    sleep 0.1
  done
  fail "no log line /$pattern/ (x$count) within 30 s"
}
lines() { grep -c -E -- "$1" "$log"; }
press() {
  echo "== xdotool key $1"
  xdotool key --clearmodifiers "$1"
}

wait_for "pane 0 shown"
wait_for "window idle"
window=$(xdotool search --sync --onlyvisible --name '^Tombolix' | head -n 1)
[ -n "$window" ] || fail "no window"
xdotool windowfocus --sync "$window" || true
sleep 0.5

# Alt+2: focus to selector B2.
press alt+2
wait_for "key 50\+4: focus to selector 2"

# W: row 3, "Frecuencia" (pane 2), wherever the focus is.
press w
wait_for "key 87\+0: list row 3"
wait_for "pane 2 shown"
wait_for "window idle" 2

# A letter into the focused analysis list: N is row 15, "Números Primos-Compuestos"
# (pane 16). Had the list used the letter itself, it would have jumped to the first
# row starting with N, "Números Consecutivos" (pane 8).
press n
wait_for "key 78\+0: list row 15"
wait_for "analysis list: typed character .n. dropped"
wait_for "pane 16 shown"
wait_for "window idle" 3
sleep 0.3
[ "$(lines 'pane 8 shown')" -eq 0 ] || fail "the analysis list moved its selection on a typed letter"
xwd -root -silent | convert xwd:- "$output_dir/e2e-keys-map.png" || fail "no screenshot"

# Escape: LIMPIAR, back to the start pane.
press Escape
wait_for "key 27\+0: command 3"
wait_for "command 3 LIMPIAR"

# Ctrl+Alt+Shift+minus: the auto-scroll of the start pane, after its pause of
# twenty seconds; an Escape during the pause clears the window and cancels it.
shown=$(lines "pane 0 shown")
press ctrl+alt+shift+minus
wait_for "key 189\+7: auto-scroll"
press Escape
wait_for "command 3 LIMPIAR" 2
wait_for "pane 0 shown" $((shown + 1))

# F8: REINICIAR reads the configuration and reloads the history.
press F8
wait_for "key 119\+0: command 6"
wait_for "command 6 REINICIAR"
wait_for "window idle" 4
sleep 0.5
xwd -root -silent | convert xwd:- "$output_dir/e2e-keys.png" || fail "no screenshot"

grep -q -E "ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:" "$log" && fail "a sanitizer reported an error"
grep -q "auto-scroll started" "$log" && fail "the auto-scroll started although LIMPIAR came during its pause"
echo "--- what the program logged:"
grep -E "key |command |auto-scroll" "$log"
echo "Screenshots: $output_dir/e2e-keys-map.png $output_dir/e2e-keys.png"
echo "PASSED"
