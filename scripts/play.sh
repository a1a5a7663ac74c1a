#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game full screen (with
# --window: in a window). The game runs in the directory that holds its data
# files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release
cd build/release/data
exec ../src/sternfahrt "$@"
