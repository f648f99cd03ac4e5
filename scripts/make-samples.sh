#!/usr/bin/env bash
# Makes the bundled sample lotteries in data/Historiales with the seeded
# generator tombolix-synth: the same files on every run. Their names and draws
# are fictitious. The files are committed; run this only to change them.
#   Usage: scripts/make-samples.sh [output folder]   (default: data/Historiales)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-data/Historiales}
build=build-release

if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build" --target tombolix-synth >/dev/null
synth="$build/tombolix-synth"

mkdir -p "$out"
# Six numbers of 1..45 and a bonus ball of 1..16, twice a week for about 14 years.
"$synth" --kind pick --numbers 6 --max 45 --bonus 16 --draws 1500 --seed 645 --first 05/01/2010 \
  >"$out/Loto Ejemplo 6-45.txt"
# Four digits 0..9, one per position.
"$synth" --kind digits --positions 4 --draws 1200 --seed 4 --first 04/01/2013 \
  >"$out/Chance Ejemplo 4 cifras.txt"
# Five numbers of 1..39.
"$synth" --kind pick --numbers 5 --max 39 --draws 800 --seed 539 --first 01/03/2017 \
  >"$out/Sorteo Ejemplo 5-39.txt"
wc -l "$out"/*.txt
