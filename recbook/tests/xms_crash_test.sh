#!/usr/bin/env bash
# Every xms command that writes, killed with SIGKILL at its k-th file call for k = 1, 2, ... until
# it finishes: the output is the old file or the whole new one, never a mixture, and the next run
# leaves no staging or temporary file behind.  Usage: xms_crash_test.sh VATOOL VATOOL_CRASH
set -u
vatool="$1"; crash="$2"
dir="$(mktemp -d)"; trap 'rm -rf "$dir"' EXIT
export TMPDIR="$dir/tmp"; mkdir -p "$TMPDIR"
fail() { echo "FAIL: $*"; exit 1; }
exec 2>/dev/null  # the shell's own notes on each killed run
cd "$dir"
runs=0
# check NAME OUT ARGS...: OUT starts as old.xms each time; ARGS name it as out.xms.
check() {
  local name="$1"; shift
  cp old.xms out.xms
  "$crash" 0 xms "$@" >/dev/null 2>&1 || fail "$name without a fault"
  cp out.xms new.xms
  for ((k = 1; k < 500; ++k)); do
    cp old.xms out.xms
    "$crash" "$k" xms "$@" >/dev/null 2>&1
    rc=$?
    [ $rc = 137 ] || break
    runs=$((runs + 1))
    cmp -s out.xms old.xms || cmp -s out.xms new.xms || fail "$name killed at $k: a mixture"
  done
  [ $rc = 0 ] || fail "$name ended with $rc"
  cmp -s out.xms new.xms || fail "$name: the completed run differs"
  [ -z "$(ls -A . | grep '^\.quorla-save-')" ] || fail "$name: staging files left after the next run"
  [ -z "$(ls -A "$TMPDIR"/quorla-*/ 2>/dev/null)" ] || fail "$name: temporary files left after the next run"
}
# Small files, and files of many blocks (more writes to be killed at).
for records in 30 12000; do
"$vatool" xms generate --records $records --seed 3 -o src.xms || fail "generate"
"$vatool" xms generate --records 5 --seed 4 -o few.xms || fail "generate"
"$vatool" xms convert --to crlf src.xms -o src.txt || fail "convert"
"$vatool" xms generate --records $((records - 10)) --seed 5 -o old.xms || fail "generate"
check convert convert --to crlf src.xms -o out.xms
check convert-back convert --to true src.txt -o out.xms
check sort sort --order 305 src.xms -o out.xms
check select select --class F src.xms -o out.xms
check correct correct src.xms -o out.xms
check append append --records few.xms out.xms
check remove remove --records few.xms out.xms
check generate generate --records $records --seed 9 -o out.xms
done
[ $runs -ge 100 ] || fail "only $runs killed runs"
echo "ok: $runs killed runs"
