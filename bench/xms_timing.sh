#!/usr/bin/env bash
# Times vatool xms info and convert on a 999,999-record file against cp of the same file, in
# one run (best of 5). 999,999 records: the largest CR+LF file whose header count can hold its
# records, so that it converts back. Usage: bench/xms_timing.sh [path/to/vatool]
set -euo pipefail
vatool="${1:-build/default/vatool/vatool}"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
"$vatool" xms generate --records 999999 -o "$dir/big.xms"
"$vatool" xms generate --records 10 -o "$dir/small.xms"
best() {  # best wall time of 5 runs of the command, in ms
  local b=999999999
  for _ in 1 2 3 4 5; do
    local s e
    s=$(date +%s%N); "$@" >/dev/null; e=$(date +%s%N)
    (( (e - s) / 1000 < b )) && b=$(( (e - s) / 1000 ))
  done
  echo "scale=2; $b / 1000" | bc
}
cp "$dir/big.xms" "$dir/warm" && cat "$dir/big.xms" >/dev/null
echo "cp 1M:                 $(best cp "$dir/big.xms" "$dir/copy.xms") ms"
echo "xms info 1M:           $(best "$vatool" xms info "$dir/big.xms") ms"
echo "xms info 10:           $(best "$vatool" xms info "$dir/small.xms") ms"
echo "xms convert crlf 1M:   $(best "$vatool" xms convert --to crlf "$dir/big.xms" -o "$dir/big.txt") ms"
echo "xms convert true 1M:   $(best "$vatool" xms convert --to true "$dir/big.txt" -o "$dir/back.xms") ms"
