#!/usr/bin/env bash
# vatool xms info / convert / generate end to end: a generated file, its CR+LF variant and back.
set -euo pipefail
vatool="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$vatool" xms generate --records 50 --seed 3 -o "$dir/M_TEST.xms"
[ "$(stat -c %s "$dir/M_TEST.xms")" = $((51 * 219)) ] || fail "generated size"
info="$("$vatool" xms info "$dir/M_TEST.xms")"
grep -qx 'kind: true' <<<"$info" || fail "kind true"
grep -qx 'records: 50' <<<"$info" || fail "records"
grep -qx 'pitch: 219' <<<"$info" || fail "pitch"
grep -qx 'contents-code: O' <<<"$info" || fail "contents code"
grep -qx 'count: 000050' <<<"$info" || fail "count"

"$vatool" xms convert --to crlf "$dir/M_TEST.xms" -o "$dir/M_TEST_xms.txt"
[ "$(stat -c %s "$dir/M_TEST_xms.txt")" = $((51 * 221)) ] || fail "crlf size"
"$vatool" xms info "$dir/M_TEST_xms.txt" | grep -qx 'kind: crlf' || fail "kind crlf"
"$vatool" xms convert --to true "$dir/M_TEST_xms.txt" -o "$dir/back.xms"
cmp -s "$dir/M_TEST.xms" "$dir/back.xms" || fail "round trip"

# Not an Exchange data file, or missing: exit 2, the message, and no output file.
printf 'short' >"$dir/bad.xms"
rc=0; "$vatool" xms info "$dir/bad.xms" >"$dir/out" || rc=$?
[ $rc = 2 ] && grep -qx 'kind: none' "$dir/out" || fail "none"
rc=0; "$vatool" xms info "$dir/nothing.xms" >"$dir/out" || rc=$?
[ $rc = 2 ] && grep -qx 'kind: missing' "$dir/out" || fail "missing"
rc=0; "$vatool" xms convert --to true "$dir/bad.xms" -o "$dir/never.xms" 2>"$dir/err" || rc=$?
[ $rc = 2 ] && grep -q "isn't  Exchange data file  (''true'' or with CR,LF) !!  " "$dir/err" || fail "convert message"
[ ! -e "$dir/never.xms" ] || fail "output written for a bad file"
# A CR+LF file whose text, with line endings removed, does not hold its records.
{ head -c 219 "$dir/M_TEST.xms"; printf '\r\n'; head -c 200 /dev/zero | tr '\0' 'x'; printf '\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n'; } >"$dir/tabs.txt"
sed -i '1s/000050/000001/' "$dir/tabs.txt"
rc=0; "$vatool" xms convert --to true "$dir/tabs.txt" -o "$dir/never.xms" 2>/dev/null || rc=$?
[ $rc = 2 ] && [ ! -e "$dir/never.xms" ] || fail "tab-filled record accepted"
# A register with faults: the check finds them (exit 1, its summary counts about 3 %); a share
# outside 0..100 is bad usage.
"$vatool" xms generate --records 2000 --seed 1 --faults 3 -o "$dir/M_FAULTS.xms"
rc=0; "$vatool" xms check "$dir/M_FAULTS.xms" >/dev/null 2>"$dir/err" || rc=$?
faulty="$(sed -n 's/^2000 records, \([0-9]*\) with errors$/\1/p' "$dir/err")"
[ $rc = 1 ] && [ -n "$faulty" ] && [ "$faulty" -ge 30 ] && [ "$faulty" -le 90 ] || fail "faults found: $(cat "$dir/err")"
rc=0; "$vatool" xms generate --records 5 --faults 101 -o "$dir/never.xms" 2>/dev/null || rc=$?
[ $rc = 2 ] && [ ! -e "$dir/never.xms" ] || fail "--faults 101 accepted"
echo "xms cli: all passed"
