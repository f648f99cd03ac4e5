#!/usr/bin/env bash
# Makes the voice clips KiRVA-1.wav .. KiRVA-12.wav in data/KiRVA with the
# espeak-ng speech synthesiser (Spanish voice). The clips are committed, so this
# only needs running when their words change.
#   Needs espeak-ng:  sudo apt-get install espeak-ng
#   Usage: scripts/make-clips.sh [output folder]   (default: data/KiRVA)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-data/KiRVA}

if ! command -v espeak-ng >/dev/null; then
  echo "espeak-ng is missing. Install it with: sudo apt-get install espeak-ng" >&2
  exit 1
fi

# One short sentence per event that plays a clip.
clips=(
  [1]="Creando una nueva lista de combinaciones"  # no saved list: a new one is generated
  [2]="Lista nueva terminada"                       # the new list has been made and tested
  [3]="Prueba de combinaciones terminada"           # the back-test report is complete
  [4]="Análisis listo"                              # end of an analysis run or a saved list
  [5]="No puedo generar más combinaciones"          # the generator gave up
  [6]="Cálculos terminados"                         # variant of clip 4
  [7]="Todo listo"                                  # variant of clip 4
  [8]="Lista de combinaciones cargada"              # the saved list was read
  [9]="Combinaciones comparadas con el pronóstico"  # list against the forecast done
  [10]="Archivo de combinaciones no válido"         # the saved list was rejected
  [11]="Iniciando análisis"                         # ANÁLISIS iA starts
  [12]="No encontré ningún historial"               # no history file in the folder
)

mkdir -p "$out"
for n in "${!clips[@]}"; do
  espeak-ng -v es -s 165 -a 120 -w "$out/KiRVA-$n.wav" "${clips[$n]}"
done
ls -l "$out"
