#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the embedded demo.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/install-deps.sh"
"$here/tools/build.sh" default
"$here/build/default/vatool/vatool" --help
