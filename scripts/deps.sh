#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages Tombolix needs that are missing.
# Usage: scripts/deps.sh [build|run|test]   (default: test, which needs everything)
set -euo pipefail
what=${1:-test}

# qt6-base-dev includes Qt Network; ca-certificates lets downloads check https
# servers; openssl makes the certificate of the https download test.
packages=(cmake ninja-build g++ pkg-config ccache qt6-base-dev libgl-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-alsa gstreamer1.0-pulseaudio
  fonts-liberation ca-certificates)
case "$what" in
  run) ;;
  test) packages+=(openssl libgtest-dev libbenchmark-dev clang libclang-rt-dev xvfb xauth xdotool x11-apps imagemagick) ;;
  build) ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
