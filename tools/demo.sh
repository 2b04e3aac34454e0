#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the embedded demo: a generated
# register of 10,000 stations, its description, its check, the part for two neighbours, and its
# CR+LF variant for table processors.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/install-deps.sh"
"$here/tools/build.sh" default
vatool="$here/build/default/vatool/vatool"
demo="$here/build/default/demo"
mkdir -p "$demo"
"$vatool" xms generate --records 10000 --seed 1 -o "$demo/M_DEMO.xms"
"$vatool" xms info "$demo/M_DEMO.xms"
"$vatool" xms check "$demo/M_DEMO.xms"
"$vatool" xms select --country AUT,SVK --band 146-174 "$demo/M_DEMO.xms" -o "$demo/M_DEMO_AUT_SVK.xms"
echo "stations for Austria and Slovakia in 146-174 MHz: $demo/M_DEMO_AUT_SVK.xms"
"$vatool" xms convert --to crlf "$demo/M_DEMO.xms" -o "$demo/M_DEMO_xms.txt"
echo "CR+LF variant: $demo/M_DEMO_xms.txt"
