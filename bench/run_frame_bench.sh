#!/usr/bin/env bash
# Runs the frame benchmark: off-screen at the picture's own size (the
# figures the goals are set against), off-screen at 1920 x 1080 with both
# render scales, and in a window under Xvfb.
#   bench/run_frame_bench.sh [BUILD_DIR]
# With TWICE=1 only the off-screen run at the picture's own size, twice in a
# row, and each figure of the second against the first.
set -euo pipefail
build=${1:-build/release}
data="$build/data"
bench="$build/bench/frame_bench"
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
if [ "${TWICE:-0}" = 1 ]; then
  dir=$(mktemp -d)
  for run in 1 2; do
    echo "--- off-screen, run $run"
    SDL_VIDEODRIVER=offscreen "$bench" "$data" --summary "$dir/run$run.txt"
    echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
  done
  echo "--- the second run against the first"
  "$(dirname "$0")/compare_runs.sh" "$dir/run1.txt" "$dir/run2.txt"
  exit 0
fi
echo "--- off-screen"
SDL_VIDEODRIVER=offscreen "$bench" "$data"
for scale in native original; do
  echo "--- off-screen at 1920 x 1080, render scale $scale"
  SDL_VIDEODRIVER=offscreen "$bench" "$data" --quick --window 1920x1080 --render-scale "$scale"
done
echo "--- window under Xvfb"
xvfb-run -a -s "-screen 0 1024x768x24" env SDL_VIDEODRIVER=x11 "$bench" "$data"
