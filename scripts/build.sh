#!/usr/bin/env bash
# Configures and builds one variant into build/<name>.
#   scripts/build.sh release      optimised game, tools and benchmarks
#   scripts/build.sh sanitize     tests under AddressSanitizer + UBSan
set -euo pipefail
cd "$(dirname "$0")/.."

variant=${1:-release}
case "$variant" in
  release)  flags=(-DCMAKE_BUILD_TYPE=Release) ;;
  sanitize) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTERNFAHRT_SANITIZE=ON -DSTERNFAHRT_BENCH=OFF) ;;
  *) echo "unknown build variant '$variant'" >&2; exit 2 ;;
esac

cmake -S . -B "build/$variant" "${flags[@]}" >/dev/null
cmake --build "build/$variant" -j "$(nproc)"
