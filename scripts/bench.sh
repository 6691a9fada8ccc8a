#!/usr/bin/env bash
# The month's costs against the random draws they make: builds the benchmarks optimised
# (preset "release", in build-release) and prints one line per figure,
#
#   NAME time_ms draws_ms ratio
#
# where draws_ms is the bare cost of as many draws as the measured work makes. The last line is
# the worst ratio against its target; the script fails when any figure is over its target.
#
#   scripts/bench.sh [REPETITIONS]      (default 5)
#
# Each figure is the fastest of its repetitions: on a shared machine other work only ever adds
# time, so the fastest run is the closest to the work's own cost.
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions="${1:-5}"

CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}" \
  cmake --preset release >/dev/null
cmake --build --preset release --target gindamaya_bench >/dev/null

report="$(mktemp)"
trap 'rm -f "$report"' EXIT
build-release/bench/gindamaya_bench --benchmark_format=json \
  --benchmark_repetitions="$repetitions" \
  >"$report" 2>/dev/null

# Figure, measured benchmark, its draws, target ratio. The advisor's diagnosis of all fifty of
# steady's halls is measured against that game's month end instead: a window that shows the
# advice should never cost as much as a month.
figures='block_pass BM_MonthlyPass BM_DrawsOfOnePass 3
islands_play BM_IslandMonth BM_DrawsOfIslandMonth 3
keisan BM_Keisan BM_KeisanReference 3
whole_month BM_MonthEnd BM_DrawsOfMonthEnd 4
steady_month BM_SteadyMonthEnd BM_DrawsOfSteadyMonthEnd 4
advisor BM_DiagnoseEveryHall BM_SteadyMonthEnd 1'

echo "$figures" | awk -v report="$report" '
  BEGIN {
    # The JSON report, one field per line: each run names itself, then gives its times and unit;
    # the aggregates that follow the repetitions are left aside.
    while ((getline line < report) > 0) {
      if (line ~ /"name":/) {
        name = line; sub(/.*"name": *"/, "", name); sub(/".*/, "", name)
      } else if (line ~ /"cpu_time":/) {
        cpu = line; sub(/.*"cpu_time": */, "", cpu); sub(/,.*/, "", cpu)
      } else if (line ~ /"time_unit":/ && name !~ /_(mean|median|stddev|cv)$/) {
        unit = line; sub(/.*"time_unit": *"/, "", unit); sub(/".*/, "", unit)
        scale = unit == "ns" ? 1e-6 : unit == "us" ? 1e-3 : unit == "s" ? 1e3 : 1
        if (!(name in ms) || cpu * scale < ms[name]) ms[name] = cpu * scale
      }
    }
    FS = " "
    worst = -1
  }
  {
    if (!($2 in ms) || !($3 in ms) || ms[$3] <= 0) {
      printf "%s missing from the benchmark run\n", $1
      bad = 1
      next
    }
    ratio = ms[$2] / ms[$3]
    printf "%s %.2f %.2f %.2f\n", $1, ms[$2], ms[$3], ratio
    if (ratio / $4 > worst) { worst = ratio / $4; worstName = $1; worstRatio = ratio; worstTarget = $4 }
  }
  END {
    if (worst < 0) exit 1
    printf "worst %s %.2f against its target %d: %s\n", worstName, worstRatio, worstTarget,
           worst <= 1 ? "within" : "OVER"
    exit (bad || worst > 1) ? 1 : 0
  }'
