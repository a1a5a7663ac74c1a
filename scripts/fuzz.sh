#!/usr/bin/env bash
# Builds the fuzz targets with Clang's libFuzzer into build/fuzz and runs each
# for a number of seconds (default 60) on a working copy of its seed corpus:
# the .X mesh reader, the savegame reader, the bitmap loader, the settings
# file's reader and the catalogue reader. Fails when a fuzzer finds a crash;
# the input that caused it is kept in build/fuzz/artifacts/<target>/.
#   scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(x_parser_fuzz savegame_fuzz bitmap_fuzz settings_fuzz mo_fuzz)
build=build/fuzz

declare -A corpus=([x_parser_fuzz]=fuzz/corpus [savegame_fuzz]=fuzz/savegame_corpus
                   [bitmap_fuzz]=fuzz/bitmap_corpus [settings_fuzz]=fuzz/settings_corpus
                   [mo_fuzz]=fuzz/mo_corpus)
declare -A max_len=([x_parser_fuzz]=65536 [savegame_fuzz]=256 [bitmap_fuzz]=8192 [settings_fuzz]=4096
                    [mo_fuzz]=65536)

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTERNFAHRT_FUZZ=ON -DSTERNFAHRT_TESTS=OFF -DSTERNFAHRT_BENCH=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}" -j "$(nproc)"

for target in "${targets[@]}"; do
  echo "=== $target for $seconds s"
  mkdir -p "$build/corpus/$target" "$build/artifacts/$target"
  cp "${corpus[$target]}"/* "$build/corpus/$target/"
  "$build/fuzz/$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" \
    -rss_limit_mb=2048 -artifact_prefix="$build/artifacts/$target/" "$build/corpus/$target"
done
