#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game full screen (with
# --window: in a window). The game finds its data files beside it in the
# build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release
exec build/release/sternfahrt "$@"
