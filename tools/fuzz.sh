#!/usr/bin/env bash
# Builds the fuzz targets and runs each for the given number of seconds (default 5).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-5}"
"$here/tools/build.sh" fuzz
shopt -s nullglob
ran=0
for f in "$here"/build/fuzz/fuzzers/*_fuzzer; do
  corpus="$(mktemp -d)"
  echo "fuzz: $(basename "$f") for ${seconds}s"
  "$f" -max_total_time="$seconds" -max_len=65536 -print_final_stats=0 "$corpus" >"$corpus.log" 2>&1 || {
    tail -40 "$corpus.log"; echo "fuzz: $(basename "$f") FAILED"; exit 1; }
  rm -rf "$corpus" "$corpus.log"
  ran=$((ran + 1))
done
echo "fuzz: $ran targets passed"
