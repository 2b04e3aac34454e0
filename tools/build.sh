#!/usr/bin/env bash
# Configures and builds one preset (default unless given).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
preset="${1:-default}"
cd "$here"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -- -j"$(nproc)"
