#!/usr/bin/env bash
# vatool xms check end to end: hand-made station records with one defect each, both scopes,
# the JSON form, a CR+LF file, and files that are not Exchange data files.
set -euo pipefail
vatool="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A fixed station that passes every check, item by item in column order.
valid="  150.50000M1FXCPA 001022003$(printf '%-20s' 'PRAHA 1')CZE014E253050N0530    0 25016K0F3E    10.0E 45.0 -2.5V 10.0  30030EA10000ND00  160.50000M$(printf '%-50s' '')B15032025        $(printf '%-15s' 'CZE2500000101 1')"
[ ${#valid} = 219 ] || fail "test record is ${#valid} characters"
# set_item RECORD START WIDTH TEXT: the record with the item at 1-based START replaced.
set_item() { printf '%s%-*s%s' "${1:0:$2-1}" "$3" "$4" "${1:$2-1+$3}"; }

"$vatool" xms generate --records 1 -o "$dir/head.xms"
header="$(head -c 219 "$dir/head.xms")"
# The header's record count (columns 187-192) matters for the CR+LF variant.
{
  printf '%s' "$(set_item "$header" 187 6 000006)" "$valid"
  printf '%s' "$(set_item "$(set_item "$valid" 29 20 CITY)" 52 15 '')"   # no position, name without INTR
  printf '%s' "$(set_item "$valid" 1 12 '  100.00000M')"                # Tx out of the bands
  printf '%s' "$(set_item "$valid" 188 1 Q)"                            # status Q
  printf '%s' "$(set_item "$valid" 76 9 1600F3E)"                       # bandwidth without K or M
  printf '%s' "$(set_item "$valid" 92 5 361.0)"                         # azimuth out of range
} >"$dir/M_CHECK.xms"
[ "$(stat -c %s "$dir/M_CHECK.xms")" = $((7 * 219)) ] || fail "test file size"

cat >"$dir/all.expected" <<'OUT'
0000002 18,20 ¤ Station name has to be ''INTR'' = usage in whole country  !!
0000003 11,012 f [1A] Tx frequency is out of VA-99 bands !!
0000004 36,01 s Status of co-ordination list:  A - H, M, P, R, W, Y, Z  !!
0000005 24,04 t Wrong bandwidth code:  1600  in Designation of emission  !!
0000006 27,05 a Azimuth has to be in range:  0 ... 360°  !!
OUT
rc=0; "$vatool" xms check "$dir/M_CHECK.xms" >"$dir/out" 2>"$dir/err" || rc=$?
[ $rc = 1 ] || fail "exit code $rc with errors"
diff "$dir/all.expected" "$dir/out" || fail "scope all output"
[ "$(cat "$dir/err")" = "6 records, 5 with errors" ] || fail "summary: $(cat "$dir/err")"
rc=0; "$vatool" xms check --scope all "$dir/M_CHECK.xms" >"$dir/out2" 2>/dev/null || rc=$?
cmp -s "$dir/out" "$dir/out2" || fail "--scope all is the default"

rc=0; "$vatool" xms check --scope calc "$dir/M_CHECK.xms" >"$dir/out" 2>"$dir/err" || rc=$?
[ $rc = 1 ] || fail "calc exit code $rc"
sed -n '4,5p' "$dir/all.expected" | diff - "$dir/out" || fail "scope calc output"
[ "$(cat "$dir/err")" = "6 records, 2 with errors" ] || fail "calc summary"

# JSON: the same findings as one document.
"$vatool" xms check --json "$dir/M_CHECK.xms" >"$dir/out.json" 2>/dev/null || true
python3 - "$dir/out.json" <<'PY' || fail "json content"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
assert d["records"] == 6 and d["faulty"] == 5, d
e = d["errors"]
assert [x["record"] for x in e] == [2, 3, 4, 5, 6]
assert e[0] == {"record": 2, "mark": "18,20", "letter": "\u00a4",
                "message": "Station name has to be ''INTR'' = usage in whole country  !!"}, e[0]
assert e[1]["mark"] == "11,012" and e[1]["letter"] == "f"
assert e[4]["message"] == "Azimuth has to be in range:  0 ... 360\u00b0  !!"
PY

# Record bytes are Latin-1: a bandwidth code holding a control byte and an e-acute comes back from
# a JSON parser as U+0001 and U+00E9 in a valid UTF-8 document.
python3 - "$dir/M_CHECK.xms" "$dir/M_BYTES.xms" <<'PY'
import sys
src = open(sys.argv[1], "rb").read()
station = bytearray(src[219:438])
station[75:79] = b"16\x01\xe9"
open(sys.argv[2], "wb").write(src[:186] + b"000001" + src[192:219] + bytes(station))
PY
rc=0; "$vatool" xms check --json "$dir/M_BYTES.xms" >"$dir/bytes.json" 2>/dev/null || rc=$?
[ $rc = 1 ] || fail "bytes exit code $rc"
python3 - "$dir/bytes.json" <<'PY' || fail "json of Latin-1 and control bytes"
import json, sys
d = json.loads(open(sys.argv[1], "rb").read().decode("utf-8"))
assert d["faulty"] == 1, d
assert d["errors"][0]["message"] == "Wrong bandwidth code:  16\u0001\u00e9  in Designation of emission  !!", d
PY

# The CR+LF variant gives the same lines; a clean file prints nothing and exits 0.
"$vatool" xms convert --to crlf "$dir/M_CHECK.xms" -o "$dir/M_CHECK.txt"
"$vatool" xms check "$dir/M_CHECK.txt" >"$dir/out" 2>/dev/null || true
diff "$dir/all.expected" "$dir/out" || fail "crlf output"
printf '%s' "$(set_item "$header" 187 6 000002)" "$valid" "$valid" >"$dir/clean.xms"
"$vatool" xms check "$dir/clean.xms" >"$dir/out" 2>"$dir/err" || fail "clean file exit code"
[ ! -s "$dir/out" ] && [ "$(cat "$dir/err")" = "2 records, 0 with errors" ] || fail "clean file output"

# Not an Exchange data file, missing, bad scope: exit 2.
printf 'short' >"$dir/bad.xms"
rc=0; "$vatool" xms check "$dir/bad.xms" >/dev/null 2>&1 || rc=$?; [ $rc = 2 ] || fail "bad file $rc"
rc=0; "$vatool" xms check "$dir/nothing.xms" >/dev/null 2>&1 || rc=$?; [ $rc = 2 ] || fail "missing file $rc"
rc=0; "$vatool" xms check --scope some "$dir/clean.xms" >/dev/null 2>&1 || rc=$?; [ $rc = 2 ] || fail "bad scope $rc"
# The other xms commands are still reached through the same group.
"$vatool" xms info "$dir/clean.xms" | grep -qx 'records: 2' || fail "xms info next to check"
echo "xms check cli: all passed"
