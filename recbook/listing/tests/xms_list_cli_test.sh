#!/usr/bin/env bash
# vatool xms list / sort / select / append / remove end to end on generated files; the expected
# values are worked out here from the record layout with python3.
set -euo pipefail
vatool="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
py() { python3 -c "$@"; }

"$vatool" xms generate --records 60 --seed 4 -o "$dir/M_ALL.xms"

# list: one 151-character line per record, blank tag column, record numbers in file order.
"$vatool" xms list "$dir/M_ALL.xms" >"$dir/list300"
[ "$(wc -l <"$dir/list300")" = 60 ] || fail "list line count"
py "
import sys
lines = open('$dir/list300', 'rb').read().split(b'\n')[:-1]
for k, l in enumerate(lines, 1):
    assert len(l) == 151, (k, len(l))
    assert l[:3] == b'   ', k
    assert int(l[-7:]) == k, k
" || fail "list lines"

# list --order 305: Tx (base columns 43 to 52) never decreases; 315 shows view B (reference first).
"$vatool" xms list --order 305 "$dir/M_ALL.xms" >"$dir/list305"
py "
lines = open('$dir/list305', 'rb').read().split(b'\n')[:-1]
tx = [float(l[45:55]) if l[45:55].strip() else 0.0 for l in lines]
assert tx == sorted(tx), tx
assert sorted(int(l[-7:]) for l in lines) == list(range(1, 61))
" || fail "order 305"
"$vatool" xms list --order 315 "$dir/M_ALL.xms" >"$dir/list315"
py "
a = {l[-7:]: l for l in open('$dir/list300', 'rb').read().split(b'\n')[:-1]}
for l in open('$dir/list315', 'rb').read().split(b'\n')[:-1]:
    v = a[l[-7:]]
    assert l[:55] == v[:55] and l[55:83] == v[116:144] and l[88:116] == v[55:83] and l[116:144] == v[88:116]
" || fail "view B"

# sort: the same records in the listed order; the header only gets the count.
"$vatool" xms sort --order 305 "$dir/M_ALL.xms" -o "$dir/M_SORTED.xms"
py "
src = open('$dir/M_ALL.xms', 'rb').read(); out = open('$dir/M_SORTED.xms', 'rb').read()
assert len(out) == len(src)
assert out[:186] == src[:186] and out[186:192] == b'000060' and out[192:219] == src[192:219]
order = [int(l[-7:]) for l in open('$dir/list305', 'rb').read().split(b'\n')[:-1]]
for i, k in enumerate(order, 1):
    assert out[219 * i:219 * (i + 1)] == src[219 * k:219 * (k + 1)], i
" || fail "sort"

# select: records of one country, or in a band, with the tagged-file header.
country="$(py "print(open('$dir/M_ALL.xms', 'rb').read()[219 + 48:219 + 51].decode().strip())")"
"$vatool" xms select --country "$country" "$dir/M_ALL.xms" -o "$dir/M_ONE.xms" 2>/dev/null
today="$(date +%d%m%Y)"
py "
src = open('$dir/M_ALL.xms', 'rb').read(); out = open('$dir/M_ONE.xms', 'rb').read()
recs = [src[219 * k:219 * (k + 1)] for k in range(1, 61)]
want = [r for r in recs if r[48:51] == '$country'.ljust(3).encode()]
assert len(want) > 0
assert out[219:] == b''.join(want)
assert out[82:83] == b'M' and out[186:192] == b'%06d' % len(want) and out[192:200] == b'$today'
assert out[2:82] == src[2:82] and out[83:186] == src[83:186] and out[200:219] == b' ' * 19
" || fail "select country"
"$vatool" xms select --band 400-470 --class M "$dir/M_ALL.xms" -o "$dir/M_BAND.xms" 2>/dev/null
py "
src = open('$dir/M_ALL.xms', 'rb').read(); out = open('$dir/M_BAND.xms', 'rb').read()
def mhz(f):
    if not f[:11].strip(): return None
    v = float(f[:11]); u = f[11:12].upper()
    return v / 1000 if u == b'K' else v * 1000 if u == b'G' else v
def inband(f):
    m = mhz(f); return m is not None and 400 <= m <= 470
recs = [src[219 * k:219 * (k + 1)] for k in range(1, 61)]
want = [r for r in recs if (inband(r[0:12]) or inband(r[125:137])) and r[13:14] == b'M']
assert len(want) > 0 and out[219:] == b''.join(want), (len(out) // 219 - 1, len(want))
" || fail "select band and class"

# append two records to ten, then remove them again.
"$vatool" xms generate --records 10 --seed 8 -o "$dir/M_TEN.xms"
cp "$dir/M_TEN.xms" "$dir/M_TEN.orig"
py "
src = open('$dir/M_ALL.xms', 'rb').read()
head = src[:186] + b'000002' + src[192:219]
open('$dir/M_TWO.xms', 'wb').write(head + src[219 * 5:219 * 6] + src[219 * 9:219 * 10])
"
"$vatool" xms append --records "$dir/M_TWO.xms" "$dir/M_TEN.xms" 2>/dev/null
py "
ten = open('$dir/M_TEN.orig', 'rb').read(); two = open('$dir/M_TWO.xms', 'rb').read()
out = open('$dir/M_TEN.xms', 'rb').read()
assert len(out) == 13 * 219
assert out[:82] == ten[:82] and out[82:83] == b'M' and out[83:186] == ten[83:186]
assert out[186:200] == b'000012$today' and out[200:219] == b' ' * 19
assert out[219:] == ten[219:] + two[219:]
" || fail "append"
"$vatool" xms remove --records "$dir/M_TWO.xms" "$dir/M_TEN.xms" 2>/dev/null
py "
ten = open('$dir/M_TEN.orig', 'rb').read(); out = open('$dir/M_TEN.xms', 'rb').read()
assert out[219:] == ten[219:] and out[186:192] == b'000010'
" || fail "remove"

# Refusals: exit 2 with the message, nothing written.
rc=0; "$vatool" xms list --order 299 "$dir/M_ALL.xms" >/dev/null 2>&1 || rc=$?
[ $rc = 2 ] || fail "order 299 accepted"
rc=0; "$vatool" xms list "$dir/none.xms" 2>"$dir/err" >/dev/null || rc=$?
[ $rc = 2 ] && grep -q "File  doesn't  exist  !!" "$dir/err" || fail "missing file"
"$vatool" xms convert --to crlf "$dir/M_TEN.xms" -o "$dir/M_TEN.txt"
rc=0; "$vatool" xms append --records "$dir/M_TWO.xms" "$dir/M_TEN.txt" 2>"$dir/err" || rc=$?
[ $rc = 2 ] && grep -q "with  CR,LF  records separators  !!" "$dir/err" || fail "CR+LF target"
rc=0; "$vatool" xms remove --records "$dir/M_TEN.xms" "$dir/M_TEN.xms" 2>"$dir/err" || rc=$?
[ $rc = 2 ] && grep -q "You want to load the same file as Edited file  !!" "$dir/err" || fail "same file"
rc=0; "$vatool" xms select --band 470-400 "$dir/M_ALL.xms" -o "$dir/never.xms" 2>/dev/null || rc=$?
[ $rc = 2 ] && [ ! -e "$dir/never.xms" ] || fail "reversed band"
echo "xms list cli: all passed"
