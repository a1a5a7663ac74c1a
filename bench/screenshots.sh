#!/usr/bin/env bash
# Screenshots of five scenes for comparing pictures before and after a
# change: the start at Earth, Earth's trade station close up, the asteroid
# field at the farthest view distance, the headlight on and the star map
# zoomed out to all 545 systems. Rendered off-screen with the runner.
#   bench/screenshots.sh OUTDIR [BUILD_DIR] [runner options...]
# e.g. bench/screenshots.sh shots/1920 build/release --window 1920x1080
set -euo pipefail
out=$(realpath -m "$1")
build=$(realpath "${2:-build/release}")
shift $(( $# >= 2 ? 2 : 1 ))
here=$(cd "$(dirname "$0")/shots" && pwd)
mkdir -p "$out"
shot() {  # name frames shot-frame
  "$build/tools/runner" --data "$build/data" --clock 4711 --script "$here/$1.rec" \
    --frames "$2" --shot "$3:$out/$1.png" "${extra[@]}"
}
extra=("$@")
shot erde 3 2
shot station 241 240
shot feld40000 3 2
shot scheinwerfer 241 240
shot sternenkarte 3206 3205
ls -1 "$out"
