#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the
# release build and under AddressSanitizer + UndefinedBehaviorSanitizer.
# First, the readers of meshes, savegames, bitmaps, settings and catalogues
# are fuzzed for a short while each; after the release tests the install and
# the Debian package are checked (scripts/check-install.sh), and the game is
# played in a real window under Xvfb (scripts/check-window.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

echo "=== fuzzing the readers of meshes, savegames, bitmaps, settings and catalogues, 25 s each"
mkdir -p build
if ! bash scripts/fuzz.sh 25 > build/fuzz.log 2>&1; then
  tail -n 40 build/fuzz.log
  echo "the fuzzer found a crash (see build/fuzz/artifacts/)" >&2
  exit 1
fi
grep -E '^Done [0-9]+ runs' build/fuzz.log || true

for variant in release sanitize; do
  echo "=== $variant build"
  bash scripts/build.sh "$variant"
  echo "=== $variant tests"
  ctest --test-dir "build/$variant" --output-on-failure -j "$(nproc)"
  if [ "$variant" = release ]; then
    bash scripts/check-install.sh build/release
    bash scripts/check-window.sh build/release
  fi
done
