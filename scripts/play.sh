#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
# Until the game has its window, this prints the universe with the
# inspector (the same data the game plays in).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release
exec build/release/tools/inspector universe "$@"
