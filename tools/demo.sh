#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the demo data. With a display it
# starts the launcher (a new user's first start points the map at the demo terrain and border
# lines); without one it says so and runs the batch demo: the demo register generated with
# typical faults, checked, corrected, checked again and split per neighbour, a map picture and an
# antenna picture, naming every file it writes.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/install-deps.sh"
"$here/tools/build.sh" default
build="$here/build/default"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: running the batch demo instead."
elif [ ! -x "$build/taskhub/taskhub" ]; then
  echo "taskhub was not built (no Qt 6 found): running the batch demo instead."
else
  echo "Starting taskhub on the demo data (register: $build/data/demo/M_DEMO.xms)"
  exec "$build/taskhub/taskhub"
fi

vatool="$build/vatool/vatool"
topo="$build/data/demo/topo"
out="$build/demo"
mkdir -p "$out"
wrote() { echo "wrote $1"; }

"$vatool" xms generate --records 2000 --seed 1 --faults 3 -o "$out/M_DEMO.xms"
wrote "$out/M_DEMO.xms"
"$vatool" xms info "$out/M_DEMO.xms"

# check: exit 1 means it found faulty records, which the demo register has on purpose.
check() {
  local status=0
  "$vatool" xms check "$1" > "$2" || status=$?
  [ "$status" -le 1 ] || exit "$status"
  wrote "$2 ($(wc -l < "$2") faulty records)"
}
check "$out/M_DEMO.xms" "$out/M_DEMO_check.txt"
"$vatool" xms correct -o "$out/M_DEMO_corrected.xms" "$out/M_DEMO.xms"
wrote "$out/M_DEMO_corrected.xms"
check "$out/M_DEMO_corrected.xms" "$out/M_DEMO_corrected_check.txt"

for country in AUT D POL SVK HNG; do
  "$vatool" xms select --country "$country" -o "$out/M_DEMO_$country.xms" "$out/M_DEMO_corrected.xms"
  wrote "$out/M_DEMO_$country.xms"
done
"$vatool" xms convert --to crlf -o "$out/M_DEMO_xms.txt" "$out/M_DEMO_corrected.xms"
wrote "$out/M_DEMO_xms.txt (CR+LF, one line per record)"

"$vatool" map render --dtm "$topo" --border "$topo/#border" --center 16.6 49.2 --size 11 \
  --width 1000 --marker --radius 30 -o "$out/map_brno.png"
wrote "$out/map_brno.png"
"$vatool" antenna plot 030EA10 --page 1 --azimax 45 -o "$out/antenna_030EA10.png"
wrote "$out/antenna_030EA10.png"
