#!/usr/bin/env bash
# Runs the frame benchmark off-screen and in a window under Xvfb.
set -euo pipefail
build=${1:-build/release}
data="$build/data"
bench="$build/bench/frame_bench"
echo "--- off-screen"
SDL_VIDEODRIVER=offscreen "$bench" "$data"
echo "--- window under Xvfb"
xvfb-run -a -s "-screen 0 1024x768x24" env SDL_VIDEODRIVER=x11 "$bench" "$data"
