#!/usr/bin/env bash
# Times one map drawing (1000 x 700 heights, column by column) with the tile files dropped from
# the page cache against cat of the same four files dropped alike, in one run, and prints the
# ratio (the drawing should take at most 3 times as long as cat).
# Usage: bench/terrain_cold.sh [path/to/terrain_bench] [repetitions]
set -euo pipefail
bench="${1:-build/default/terrainmap/terrain_bench}"
reps="${2:-5}"
json="$(mktemp)"
trap 'rm -f "$json"' EXIT
"$bench" --benchmark_filter='BM_(BulkGridCold|CatTouchedFilesCold|BulkGridWarm)' \
  --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
  --benchmark_format=json >"$json"
python3 - "$json" <<'PY'
import json, sys
runs = {b["run_name"].split("/")[0]: b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"}
ms = lambda name: runs[name]["real_time"]  # milliseconds, median of the repetitions
grid, cat, warm = ms("BM_BulkGridCold"), ms("BM_CatTouchedFilesCold"), ms("BM_BulkGridWarm")
print("cat of the touched tiles, cold:  %8.2f ms" % cat)
print("drawing from cold caches:        %8.2f ms" % grid)
cpu = runs["BM_BulkGridWarm"]["cpu_time"]
print("drawing from warm files:         %8.2f ms, %.2f ms CPU  (%.1f million heights/s of CPU time)"
      % (warm, cpu, 0.7 / cpu * 1000))
print("cold drawing / cat:              %8.2f  (at most 3)" % (grid / cat))
sys.exit(0 if grid <= 3 * cat else 1)
PY
