#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and command-line tests, then each
# fuzz target for a few seconds.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/install-deps.sh"
"$here/tools/build.sh" default
(cd "$here" && ctest --preset default)
"$here/tools/fuzz.sh" "${QUORLA_FUZZ_SECONDS:-5}"
