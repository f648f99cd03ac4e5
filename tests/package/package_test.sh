#!/usr/bin/env bash
# The Debian package as a user gets it: packs the build folder with cpack,
# extracts the .deb into a scratch root, starts the extracted program under its
# own Xvfb with a scratch home, and checks that it runs in installed mode: the
# user's data folder made and filled with the clips and the sample lotteries,
# the single-instance lock kept there, no launcher on the desktop, nothing
# written in the current folder, and the window up. Leaves a screenshot
# (package-window.png) in the build folder. Exits 77 (skipped) where a tool is
# missing or no X server starts.
# Usage: package_test.sh BUILD_DIR
set -uo pipefail
build_dir=$(realpath "$1")

skip() {
  echo "SKIPPED: $*"
  exit 77
}
fail() {
  echo "FAILED: $*"
  [ -f "${log:-}" ] && { echo "--- what the program logged:"; cat "$log"; }
  exit 1
}
for tool in cpack dpkg-deb Xvfb xdotool xwd convert; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done

# shellcheck source=../support/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.sh"

# Pack and extract.
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not make the package"; }
deb=$(ls "$work"/pkg/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "cpack made no .deb"
dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb could not extract $deb"
root="$work/root"
for file in usr/bin/tombolix usr/bin/tombolix-report usr/bin/tombolix-import usr/share/tombolix/installed \
  usr/share/applications/tombolix.desktop usr/share/icons/hicolor/64x64/apps/tombolix.png; do
  [ -f "$root/$file" ] || fail "the package holds no /$file"
done
ls "$root"/usr/share/tombolix/KiRVA/* >/dev/null 2>&1 || fail "the package holds no clips"
ls "$root"/usr/share/tombolix/Historiales/*.txt >/dev/null 2>&1 || fail "the package holds no sample lotteries"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package declares no Qt dependency"

# An X server of our own on a free display.
start_xvfb

# A scratch home with an empty desktop, started from an unrelated folder.
home="$work/home"
data="$home/.local/share/Tombolix"
mkdir -p "$home/Desktop" "$work/runtime" "$work/cwd"
chmod 700 "$work/runtime"
log="$work/tombolix.log"
# Under AddressSanitizer: the same allowance for the X keyboard library as the keyboard test.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
(
  cd "$work/cwd" &&
    HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$work/runtime" \
      QT_QPA_PLATFORM=xcb exec "$root/usr/bin/tombolix"
) 2>"$log" &
app_pid=$!

window=""
for _ in $(seq 300); do
  window=$(xdotool search --onlyvisible --name '^Tombolix' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended before its window came up"
  sleep 0.1
done
[ -n "$window" ] || fail "no Tombolix window within 30 s"
sleep 1
xwd -root -silent | convert xwd:- "$build_dir/package-window.png" || fail "no screenshot"

clips=$(ls "$data/KiRVA" 2>/dev/null | wc -l)
lotteries=$(ls "$data"/Historiales/*.txt 2>/dev/null | wc -l)
[ "$clips" -eq "$(ls "$root/usr/share/tombolix/KiRVA" | wc -l)" ] || fail "$clips clips in $data/KiRVA"
[ "$lotteries" -eq "$(ls "$root"/usr/share/tombolix/Historiales/*.txt | wc -l)" ] ||
  fail "$lotteries lotteries in $data/Historiales"
[ -f "$data/Recursos/Tombolix.lock" ] || fail "no single-instance lock in $data/Recursos"
[ -z "$(ls -A "$home/Desktop")" ] || fail "something was written on the desktop: $(ls -A "$home/Desktop")"
[ -z "$(ls -A "$work/cwd")" ] || fail "the current folder was written: $(ls -A "$work/cwd")"
echo "PASSED: installed program up with $clips clips and $lotteries lotteries in its data folder"
