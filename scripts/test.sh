#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the
# release build and under AddressSanitizer + UndefinedBehaviorSanitizer.
# Last, the mesh reader is fuzzed for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

for variant in release sanitize; do
  echo "=== $variant build"
  bash scripts/build.sh "$variant"
  echo "=== $variant tests"
  ctest --test-dir "build/$variant" --output-on-failure -j "$(nproc)"
done

echo "=== fuzzing the mesh reader"
bash scripts/fuzz.sh 30
