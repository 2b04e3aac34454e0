#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the embedded demo: a generated
# register of 10,000 stations, its description, and its CR+LF variant for table processors.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/install-deps.sh"
"$here/tools/build.sh" default
vatool="$here/build/default/vatool/vatool"
demo="$here/build/default/demo"
mkdir -p "$demo"
"$vatool" xms generate --records 10000 --seed 1 -o "$demo/M_DEMO.xms"
"$vatool" xms info "$demo/M_DEMO.xms"
"$vatool" xms convert --to crlf "$demo/M_DEMO.xms" -o "$demo/M_DEMO_xms.txt"
echo "CR+LF variant: $demo/M_DEMO_xms.txt"
