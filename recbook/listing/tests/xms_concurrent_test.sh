#!/usr/bin/env bash
# Two processes appending to one target at the same time: every append arrives (the target is
# locked from its read to its replacement).  Usage: xms_concurrent_test.sh VATOOL
set -u
vatool="$1"
dir="$(mktemp -d)"; trap 'rm -rf "$dir"' EXIT
export TMPDIR="$dir/tmp"; mkdir -p "$TMPDIR"
fail() { echo "FAIL: $*"; exit 1; }
"$vatool" xms generate --records 0 -o "$dir/target.xms" || fail "generate"
"$vatool" xms generate --records 3 --seed 1 -o "$dir/a.xms" || fail "generate"
"$vatool" xms generate --records 3 --seed 2 -o "$dir/b.xms" || fail "generate"
appends() {
  for i in $(seq 20); do "$vatool" xms append --records "$1" "$dir/target.xms" 2>/dev/null || echo "exit $?"; done
}
appends "$dir/a.xms" >"$dir/a.log" &
appends "$dir/b.xms" >"$dir/b.log" &
wait
[ ! -s "$dir/a.log" ] && [ ! -s "$dir/b.log" ] || fail "an append failed: $(cat "$dir/a.log" "$dir/b.log")"
records=$("$vatool" xms info "$dir/target.xms" | sed -n 's/^records: //p')
[ "$records" = 120 ] || fail "$records records of 120: appends were lost"
[ -z "$(ls -A "$dir" | grep '^\.quorla-save-')" ] || fail "staging files left"
echo ok
