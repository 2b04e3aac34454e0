#!/usr/bin/env bash
# vatool xms correct end to end: hand-built records with known repairs, a generated file, the
# CR+LF variant, the terrain directory, --off, --json and bad input.
set -euo pipefail
vatool="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A record of 219 blanks with texts put at 1-based columns: rec COL TEXT [COL TEXT ...]
rec() {
  local r; r="$(printf '%219s' '')"
  while [ $# -gt 0 ]; do
    r="${r:0:$(($1 - 1))}$2${r:$(($1 - 1 + ${#2}))}"
    shift 2
  done
  printf '%s' "${r:0:219}"
}
header() { rec 1 "01lower-case description" 83 O 84 CZE 87 Tester 187 "$(printf '%06d' "$1")" 193 01012025; }
# A fixed station: [6A] 14, [10Z] 20, [4A] 29, [4C] 52, [4D] 67, [4Z] 72, [7A] 76, [8B2] 91,
# [9XH] 112, [9XV] 119, [13X] 205.
fixed() { rec 1 "  145.53750M" 14 FX 20 0 29 "BRNO 1" 52 016E360049N1200 67 "    0" 72 "300" 76 16K0F3E \
  91 E 112 000ND00 119 000ND00 205 CZE250000010111 "$@"; }

# Lower-case class and blank [4D] (not counted), blank [8B2], [7A] "25K F3E", [9XH] "45EA".
{ header 2
  fixed 14 fx 67 "     " 91 " " 76 "25K F3E" 112 "45EA   "
  fixed 29 "brno 2" 205 "   CZE250000011"
} >"$dir/M_HAND.xms"
{ header 2
  fixed 67 "0    " 76 "25K0F3E" 112 "045EA00"
  fixed 29 "BRNO 2" 205 "CZE250000011   "
} >"$dir/expected.xms"
[ "$("$vatool" xms correct "$dir/M_HAND.xms" -o "$dir/out.xms")" = "repairs: 3" ] || fail "hand count"
cmp -s "$dir/out.xms" "$dir/expected.xms" || fail "hand bytes"
[ "$("$vatool" xms correct --json "$dir/M_HAND.xms" -o "$dir/out.xms")" = '{"repairs": 3}' ] || fail "json"
[ "$("$vatool" xms correct --off O8,o9 "$dir/M_HAND.xms" -o "$dir/off.xms")" = "repairs: 1" ] || fail "--off count"
cut -c 76-84 <(head -c 438 "$dir/off.xms" | tail -c 219; echo) | grep -qx '25K F3E  ' || fail "--off O8 kept [7A]"

# Generated file with one defect put in every seventh record: the class "MO", one repair each.
"$vatool" xms generate --records 300 --seed 5 -o "$dir/M_CLEAN.xms"
python3 - "$dir/M_CLEAN.xms" "$dir/M_GEN.xms" <<'PY'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
for k in range(1, len(data) // 219, 7):
    data[219 * k + 13:219 * k + 15] = b"MO"
open(sys.argv[2], "wb").write(data)
PY
mo=$(tail -c +220 "$dir/M_GEN.xms" | fold -w 219 | cut -c 14-15 | grep -c '^MO$' || true)
[ "$mo" -gt 0 ] || fail "sample has no whole-country entries"
[ "$("$vatool" xms correct "$dir/M_GEN.xms" -o "$dir/gen.xms")" = "repairs: $mo" ] || fail "generated count"
cmp -s <(head -c 219 "$dir/M_GEN.xms") <(head -c 219 "$dir/gen.xms") || fail "header changed"
[ "$(stat -c %s "$dir/gen.xms")" = $((301 * 219)) ] || fail "generated size"
[ "$(tail -c +220 "$dir/gen.xms" | fold -w 219 | cut -c 14-15 | grep -c '^MO$' || true)" = 0 ] || fail "MO left"
[ "$("$vatool" xms correct "$dir/gen.xms" -o "$dir/gen2.xms")" = "repairs: 0" ] || fail "second pass"
cmp -s "$dir/gen.xms" "$dir/gen2.xms" || fail "second pass changed bytes"
# The CR+LF variant gives the same true file; correcting a file onto itself works.
"$vatool" xms convert --to crlf "$dir/M_GEN.xms" -o "$dir/M_GEN.txt"
[ "$("$vatool" xms correct "$dir/M_GEN.txt" -o "$dir/crlf.xms")" = "repairs: $mo" ] || fail "crlf count"
cmp -s "$dir/gen.xms" "$dir/crlf.xms" || fail "crlf bytes"
cp "$dir/M_GEN.xms" "$dir/same.xms"
"$vatool" xms correct "$dir/same.xms" -o "$dir/same.xms" >/dev/null
cmp -s "$dir/gen.xms" "$dir/same.xms" || fail "in place"

# O6: a tile E016N49 whose every height is bytes FA 0A, 2810 m; [4Z] 300 becomes 2810.
mkdir -p "$dir/topo/E016"
yes $'\xfa' | head -c 2938912 >"$dir/topo/E016/e016n49.g3e" || true
{ header 1; fixed; } >"$dir/M_SITE.xms"
[ "$("$vatool" xms correct "$dir/M_SITE.xms" -o "$dir/site.xms")" = "repairs: 0" ] || fail "no --dtm"
[ "$("$vatool" xms correct --off O6 --dtm "$dir/topo" "$dir/M_SITE.xms" -o "$dir/site.xms")" = "repairs: 0" ] \
  || fail "--off O6"
[ "$("$vatool" xms correct --dtm "$dir/topo" "$dir/M_SITE.xms" -o "$dir/site.xms")" = "repairs: 1" ] || fail "--dtm"
cmp -s "$dir/site.xms" <({ header 1; fixed 72 2810; }) || fail "[4Z] from the terrain"

# Bad input: exit 2, a message, no output.
for bad in "--off O11" "--off O1,,O2" "--off X1" "--dtm $dir/none" "--bogus"; do
  rc=0; "$vatool" xms correct $bad "$dir/M_HAND.xms" -o "$dir/never.xms" 2>/dev/null || rc=$?
  [ $rc = 2 ] || fail "accepted $bad"
done
rc=0; "$vatool" xms correct "$dir/nothing.xms" -o "$dir/never.xms" 2>"$dir/err" || rc=$?
[ $rc = 2 ] && grep -q "File  doesn't  exist  !!  " "$dir/err" || fail "missing file"
printf 'short' >"$dir/bad.xms"
rc=0; "$vatool" xms correct "$dir/bad.xms" -o "$dir/never.xms" 2>"$dir/err" || rc=$?
[ $rc = 2 ] && grep -q "isn't  Exchange data file" "$dir/err" || fail "not an exchange file"
rc=0; "$vatool" xms correct "$dir/M_HAND.xms" -o "$dir/no/such/out.xms" 2>"$dir/err" || rc=$?
[ $rc = 2 ] && grep -q "File wasn't save  !!" "$dir/err" || fail "unwritable target"
[ ! -e "$dir/never.xms" ] || fail "output written for bad input"
"$vatool" xms --help | grep -q "correct \[--off" || fail "help"
"$vatool" xms info "$dir/M_HAND.xms" | grep -qx 'records: 2' || fail "other xms commands"
echo "xms correct cli: all passed"
