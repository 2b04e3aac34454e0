#!/usr/bin/env bash
# vatool antenna plot end to end: a PNG or BMP file for every page, bad usage with exit 2 and no
# file, and the other antenna commands still found beside it.
set -euo pipefail
vatool="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

for page in 0 1 2 3 4; do
  "$vatool" antenna plot 030EA10 --vcode 320VE00 --page "$page" --azimax 45 --elemax 5 --width 300 \
    -o "$dir/p$page.png" 2>/dev/null || fail "page $page"
  [ "$(head -c 8 "$dir/p$page.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "page $page is no PNG"
done
"$vatool" antenna plot 030EA00 --table --lin -o "$dir/t.bmp" 2>/dev/null || fail "table as BMP"
[ "$(head -c 2 "$dir/t.bmp")" = BM ] || fail "no BMP"

for bad in "066EA00 -o $dir/x.png" "030EA00 --page 5 -o $dir/x.png" "030EA00 --azimax 360 -o $dir/x.png" \
           "030EA00 --elemax -80.1 -o $dir/x.png" "030EA00" "030EA00 -o $dir/x.txt" "030EA00 --vcode 000ND01 -o $dir/x.png"; do
  rc=0; "$vatool" antenna plot $bad >/dev/null 2>&1 || rc=$?
  [ $rc = 2 ] || fail "bad usage '$bad' gave $rc"
done
[ ! -e "$dir/x.png" ] && [ ! -e "$dir/x.txt" ] || fail "a file was written on bad usage"

"$vatool" antenna check 030EA10 | grep -qx valid || fail "check beside plot"
rc=0; "$vatool" antenna draw 030EA10 >/dev/null 2>&1 || rc=$?
[ $rc = 2 ] || fail "unknown antenna command gave $rc"
echo ok
