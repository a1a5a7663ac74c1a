#!/usr/bin/env bash
# Builds the .X reader's fuzz target with Clang's libFuzzer into build/fuzz
# and runs it for a number of seconds (default 60) on a working copy of the
# seed corpus. Fails when the fuzzer finds a crash; the input that caused it
# is kept in build/fuzz/artifacts/.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTERNFAHRT_FUZZ=ON -DSTERNFAHRT_TESTS=OFF -DSTERNFAHRT_BENCH=OFF >/dev/null
cmake --build "$build" --target x_parser_fuzz -j "$(nproc)"

mkdir -p "$build/corpus" "$build/artifacts"
cp fuzz/corpus/* "$build/corpus/"
"$build/fuzz/x_parser_fuzz" -max_total_time="$seconds" -max_len=65536 \
  -artifact_prefix="$build/artifacts/" "$build/corpus"
