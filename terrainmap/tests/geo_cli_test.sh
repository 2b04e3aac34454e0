#!/usr/bin/env bash
# vatool geo / terrain / border end to end. The expected values were worked out apart from the
# code: the datum and Gauss-Krueger figures with the published formulas in python3, the sphere
# figures with the haversine distance and the atan2 azimuth, the heights by reading the tile
# bytes in python3 below.
set -euo pipefail
vatool="$1"
shared_data="${2:-}"  # real terrain under its terrain/ folder, when present
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# expect "ARGS" "OUTPUT": the command's standard output must be OUTPUT exactly.
expect() {
  local got
  got="$("$vatool" $1)" || fail "exit $? from: $1"
  [ "$got" = "$2" ] || fail "$1: got '$got', expected '$2'"
}
# code N ARGS...: the command must exit with N.
code() {
  local want=$1 rc=0
  shift
  "$@" >/dev/null 2>&1 || rc=$?
  [ $rc = "$want" ] || fail "exit $rc, expected $want from: $*"
}

# Compact position texts: whole seconds, tenths, lower-case hemispheres, blanks anywhere.
expect "geo parse 015E3000,49N1500" "15.5000000 49.2500000"
expect "geo parse 015w3000,49s1500" "-15.5000000 -49.2500000"
expect "geo parse 015W3000,49S1500" "-15.5000000 -49.2500000"
[ "$("$vatool" geo parse ' 015 E30 00 , 49N 1500')" = "15.5000000 49.2500000" ] || fail "blanks"
expect "geo parse 015E3000.5,49N1500.5" "15.5001389 49.2501389"
expect "geo format 14.9999999 49.5" "015E0000,49N3000"
expect "geo format -15.5 -49.25" "015W3000,49S1500"
# 12.3456789 = 12 20' 44.444"; 47.0000139 = 47 0' 0.05" (tenths round up to 0.1)
expect "geo format 12.3456789 47.0000139 --tenths" "012E2044.4,47N0000.1"
expect "geo format 0.9999999 0 --tenths" "001E0000.0,00N0000.0"
expect "geo check lon 015E3000" "valid"
expect "geo check lat 49N1500" "valid"
expect "geo check lat 89N5959" "valid"
code 1 "$vatool" geo check lat 90N0000
code 1 "$vatool" geo check lon 015e3000
code 1 "$vatool" geo check lon 180E0000
code 1 "$vatool" geo check lat 49N6000
code 1 "$vatool" geo check lon 015E30
code 2 "$vatool" geo check longitude 015E3000
code 2 "$vatool" geo format 15 abc

# Datum shifts to WGS-84.
expect "geo to-wgs84 --system 0 15.25 49.75" "15.2500000 49.7500000
 dif Lon =  0.0'',   dif Lat =  0.0'' ...  Elips. WGS-84"
expect "geo to-wgs84 --system 1 15 50" "14.9981475 49.9995204
 dif Lon =-6.7'',   dif Lat =-1.7'' ...  Elips. Krassovsky 1940"
expect "geo to-wgs84 --system 4 15 50" "14.9990073 49.9992459
 dif Lon =-3.6'',   dif Lat =-2.7'' ...  Elips. Internacional"
expect "geo to-wgs84 --system 3 19 47.5" "18.9983606 47.4996420
 dif Lon =-5.9'',   dif Lat =-1.3'' ...  Elips. Krassovsky 1940"
expect "geo to-wgs84 --system 5 -3.7 40.4" "-3.7013216 40.3988142
 dif Lon =-4.8'',   dif Lat =-4.3'' ...  Elips. Internacional"
expect "geo to-wgs84 --system 12 -1.5 52.5" "-1.5014822 52.5003285
 dif Lon =-5.3'',   dif Lat =1.2'' ...  Elips. Airy 1830"
expect "geo to-wgs84 --system 13 -7.5 53.3" "-7.5008237 53.3002172
 dif Lon =-3.0'',   dif Lat =0.8'' ...  Elips. Modif.Airy"
expect "geo to-wgs84 --system 14 10 45" "10.0001539 45.0000561
 dif Lon =0.6'',   dif Lat =0.2'' ...  Elips. WGS-72"
# Planar input: the Gauss-Krueger inverse gives 15E 50N, then the S-1942 shift.
expect "geo to-wgs84 --system 2 3500000 5540944.5" "14.9981475 49.9995204
 Gauss-Kruger  planar  coord.,  ...  Elips. Krassovsky 1940"
code 2 "$vatool" geo to-wgs84 --system 15 15 50
code 2 "$vatool" geo to-wgs84 15 50

# Gauss-Krueger (results are 32-bit floats).
expect "geo gk-forward 15 50" "3500000.000 5540944.500
3500 000, 5540 945"
expect "geo gk-forward 14 49.5" "3427562.750 5485812.000
3427 563, 5485 812"
expect "geo gk-forward 21.2 48.1" "4514896.500 5329660.000
4514 897, 5329 660"
expect "geo gk-inverse 3682924.5 5432736" "17.5000000 49.0000000"
expect "geo gk-inverse 4350000 5300000" "18.9970665 47.8159523"
expect "geo gk-inverse -1 5000000" "0.0000000 0.0000000"

# Sphere of radius 6373.067 km.
expect "geo distance 15 50 16 51" "131.8232 32.0747"
expect "geo distance 14.5 50.1 14.5 50.9" "88.9848 0.0000"
expect "geo distance 14.5 50.9 14.5 50.1" "88.9848 180.0000"
expect "geo distance 0 0 90 0" "10010.7902 90.0000"
expect "geo distance -10 40 20 35.5" "2672.3819 91.1751"
expect "geo distance 15 50 15.001 50.0005" "0.0906 52.1215"
expect "geo distance 15 50 14 49" "132.6274 213.3828"
expect "geo distance 15 50 15 50" "0.0000 0.0000"
# Across the pole along one great circle: due north.
expect "geo distance 15 50 -165 60" "7786.1702 0.0000"
expect "geo destination 15 50 100 45" "16.0022230 50.6314378"
expect "geo destination 15 50 30 0" "15.0000000 50.2697090"
expect "geo destination -3 55 1234.5 271.25" "-21.9845061 53.7302343"
code 2 "$vatool" geo distance 15 50 16

# Terrain: generated tiles on both sides of 50N, heights against the tile bytes.
"$vatool" terrain demo -o "$dir/topo" --area 14,49,16,51 >/dev/null
[ "$(stat -c %s "$dir/topo/E015/E015N49.33E")" = $((144 * 20402 + 1024)) ] || fail "tile size below 50N"
[ "$(stat -c %s "$dir/topo/E014/E014N50.63E")" = $((144 * 10302)) ] || fail "tile size from 50N"
# Tiles made again replace the old ones (written beside and renamed), never truncate them in
# place: a second name of the old tile keeps the old bytes.
ln "$dir/topo/E015/E015N49.33E" "$dir/old_tile"
: >"$dir/topo/E015/E015N50.63E"
"$vatool" terrain demo -o "$dir/topo" --area 15,49,16,51 >/dev/null
[ "$(stat -c %s "$dir/old_tile")" = $((144 * 20402 + 1024)) ] || fail "tile truncated in place"
[ "$(stat -c %i "$dir/old_tile")" != "$(stat -c %i "$dir/topo/E015/E015N49.33E")" ] || fail "tile rewritten in place"
[ "$(stat -c %s "$dir/topo/E015/E015N50.63E")" = $((144 * 10302)) ] || fail "empty tile not replaced"
[ -z "$(find "$dir/topo" -name '.quorla-save-*')" ] || fail "staging files left behind"
rm "$dir/old_tile"
code 2 "$vatool" terrain demo -o "$dir/bad" --area 14,49,14,50
code 2 "$vatool" terrain demo -o "$dir/bad" --area 14,-1,15,0
code 2 "$vatool" terrain demo -o "$dir/bad" --area 14,49,15

points="14.123 49.456
15.999 49.999
14.5 50.0
15.0 50.5
14.0 49.0
15.99999 50.99999
14.7 51.2
13.5 49.5
15.3 -0.5"
if command -v python3 >/dev/null; then
  for mode in interpolated nearest; do
    want="$(python3 - "$dir/topo" "$mode" "$points" <<'EOF'
import math, os, struct, sys
top, mode, points = sys.argv[1], sys.argv[2], sys.argv[3]
for line in points.splitlines():
    lon, lat = map(float, line.split())
    if lat < 0:
        print("-9999.0"); continue
    ilat = int(lat); ilon = math.floor(lon)
    col = ("E" if ilon >= 0 else "W") + "%03d" % abs(ilon)
    path = os.path.join(top, col, "%sN%02d.%s3E" % (col, ilat, "3" if ilat < 50 else "6"))
    if not os.path.exists(path):
        print("-9999.0"); continue
    fx, fy = lon - ilon, lat - ilat
    bx, by = int(12 * fx), int(12 * fy)
    n = 100 if ilat < 50 else 50
    cols = n + 1
    with open(path, "rb") as f:
        f.seek((12 * by + bx) * 2 * 101 * cols)
        block = struct.unpack("<%dh" % (101 * cols), f.read(2 * 101 * cols))
    x = (fx - bx / 12) * 12 * n; y = (fy - by / 12) * 1200
    i, j = int(x), int(y)
    h = lambda c, r: block[r * cols + c]
    if mode == "nearest":
        print("%.1f" % h(i, j)); continue
    u, v = x - i, y - j
    a = h(i, j) + u * (h(i + 1, j) - h(i, j)); b = h(i, j + 1) + u * (h(i + 1, j + 1) - h(i, j + 1))
    print("%.1f" % (math.floor((a + v * (b - a)) * 10 + 0.5) / 10))
EOF
)"
    flag=""; [ $mode = nearest ] && flag="--nearest"
    got="$("$vatool" terrain altitude --dtm "$dir/topo" $flag <<<"$points")"
    [ "$got" = "$want" ] || fail "$mode heights from standard input: got '$got', expected '$want'"
    got="$("$vatool" terrain altitude --dtm "$dir/topo" $flag --bulk <<<"$points")"
    [ "$got" = "$want" ] || fail "$mode bulk heights: got '$got', expected '$want'"
  done
fi
# Positions on the command line; a missing tile and the south give -9999.0.
[ "$("$vatool" terrain altitude --dtm "$dir/topo" 13.5 49.5 15.3 -0.5)" = "-9999.0
-9999.0" ] || fail "no data"
first="$("$vatool" terrain altitude --dtm "$dir/topo" 14.123 49.456)"
[ "$first" = "$("$vatool" terrain altitude --dtm "$dir/topo" <<<'14.123 49.456')" ] || fail "line and input differ"
# A bad input line prints an error in its place and ends with exit 2.
rc=0; out="$("$vatool" terrain altitude --dtm "$dir/topo" 2>/dev/null <<<"14.123 49.456
abc
14.123 49.456")" || rc=$?
[ $rc = 2 ] && [ "$out" = "$first
ERROR: not a LON LAT pair
$first" ] || fail "bad input line"
# Standard input that is no list of lines (a device without line ends) is refused at the first
# over-long line, at once and in little memory. A sanitizer build reserves terabytes of shadow
# memory, so the address-space limit is set only for a plain build.
limit=1000000; ldd "$vatool" 2>/dev/null | grep -q libasan && limit=unlimited
rc=0; out="$(ulimit -v $limit; timeout 20 "$vatool" terrain altitude --dtm "$dir/topo" </dev/zero 2>"$dir/err")" || rc=$?
[ $rc = 2 ] && [ -z "$out" ] && grep -q "^vatool: standard input: line 1: longer than" "$dir/err" ||
  fail "endless input line: exit $rc $(cat "$dir/err")"
code 2 "$vatool" terrain altitude --dtm "$dir/topo" 14.5
code 2 "$vatool" terrain altitude 14.5 49.5

# Real tiles and their expected heights, when the data is present.
real="$shared_data/terrain"
if [ -n "$shared_data" ] && [ -f "$real/POINTS.csv" ]; then
  tail -n +2 "$real/POINTS.csv" | tr -d '\r' | cut -d, -f1,2 >"$dir/real_in"
  for mode in 3 4; do
    flag=""; [ $mode = 4 ] && flag="--nearest"
    tail -n +2 "$real/POINTS.csv" | tr -d '\r' | cut -d, -f$mode | while read -r h; do printf '%.1f\n' "$h"; done >"$dir/real_want"
    for lookup in "" --bulk; do
      "$vatool" terrain altitude --dtm "$real" $flag $lookup <"$dir/real_in" >"$dir/real_got"
      cmp -s "$dir/real_want" "$dir/real_got" || fail "real terrain $flag $lookup: $(diff "$dir/real_want" "$dir/real_got" | head -5)"
    done
  done
fi

# Directory checks; fallbacks come from the data folder, here an empty one.
export QUORLA_DATA_DIR="$dir/data"
mkdir -p "$dir/data"
expect "terrain check-dir $dir/topo" "$dir/topo"
code 1 "$vatool" terrain check-dir "$dir/topo/E014"
[ "$("$vatool" terrain check-dir "$dir/nothing" || true)" = "" ] || fail "empty line for no terrain"
mkdir -p "$dir/data/topo/W004" && : >"$dir/data/topo/W004/w004s12.x3e"
expect "terrain check-dir $dir/nothing" "$dir/data/topo"
mkdir -p "$dir/lines" && : >"$dir/lines/CZE.CBR"
expect "border check-dir $dir/lines" "$dir/lines"
code 1 "$vatool" border check-dir "$dir/topo"
mkdir -p "$dir/data/border" && : >"$dir/data/border/AUT.015"
expect "border check-dir $dir/topo" "$dir/data/border"
code 2 "$vatool" border check-dir
echo "geo cli: all passed"
