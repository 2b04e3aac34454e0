#!/usr/bin/env bash
# vatool map render end to end: PX x round(PX / 1.4) pictures from generated tiles at the three
# kinds of size (heights, non-interpolated, territory), a centre west of Greenwich, and bad usage
# with exit 2 and no file.
set -euo pipefail
vatool="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'; }

"$vatool" terrain demo --area 14,49,16,51 -o "$dir/dtm" >/dev/null
for size in -1 9 18; do
  "$vatool" map render --dtm "$dir/dtm" --center 15 50 --size "$size" --width 300 --marker --radius 5 \
    -o "$dir/m$size.png" 2>/dev/null || fail "size $size"
  [ "$(png_size "$dir/m$size.png")" = "300 214" ] || fail "size $size is $(png_size "$dir/m$size.png")"
done
"$vatool" map render --dtm "$dir/dtm" --center -0.5 50 --size 12 --width 140 -o "$dir/w.bmp" 2>/dev/null ||
  fail "centre west of Greenwich"
[ "$(head -c 2 "$dir/w.bmp")" = BM ] || fail "no BMP"

for bad in "--center 15 -o $dir/x.png --size 9" "--center 15 50 --size 19 -o $dir/x.png" \
           "--center 15 50 --size 9 --width 50 -o $dir/x.png" "--center 15 50 --size 9 --radius -1 -o $dir/x.png" \
           "--center 15 95 --size 9 -o $dir/x.png" "--center 15 50 --size 9 -o $dir/x.txt" \
           "--center 15 50 --size 9"; do
  rc=0; "$vatool" map render --dtm "$dir/dtm" $bad >/dev/null 2>&1 || rc=$?
  [ $rc = 2 ] || fail "bad usage '$bad' gave $rc"
done
rc=0; "$vatool" map render --dtm "$dir/none" --center 15 50 --size 9 -o "$dir/x.png" >/dev/null 2>&1 || rc=$?
[ $rc = 2 ] || fail "missing terrain directory gave $rc"
[ ! -e "$dir/x.png" ] && [ ! -e "$dir/x.txt" ] || fail "a file was written on bad usage"
echo ok
