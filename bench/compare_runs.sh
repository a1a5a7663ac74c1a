#!/usr/bin/env bash
# Compares two summaries of frame_bench (--summary): each figure of the
# second run against the first, in per cent, with the largest difference
# among the ratios and ms of the unpaced frames (the per-pass figures of a
# few tenths of a millisecond and the late-frame counts are shown, not
# counted).
#   bench/compare_runs.sh FIRST SECOND
set -euo pipefail
join <(sort "$1") <(sort "$2") | awk '
  { d = ($2 == 0) ? 0 : ($3 - $2) / $2 * 100
    printf "%-70s %10.3f %10.3f %+7.1f %%\n", $1, $2, $3, d
    if ($1 !~ /_pass_/ && $1 !~ /^paced/ && (d > worst || -d > worst)) { worst = (d < 0 ? -d : d); which = $1 } }
  END { printf "largest difference of the unpaced figures: %.1f %% (%s)\n", worst, which }'
