#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the programs need. Idempotent: prints
# nothing and touches nothing when all of them are there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  qt6-base-dev qt6-translations-l10n fonts-liberation2
  proj-bin
  python3          # the pattern reference and the command-line tests
  binutils         # readelf in the install test
  ca-certificates  # npm's registry over https
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# Node.js may come from elsewhere with its own npm; Debian's packages only when there is none.
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Data packages from npm (world map and town sources), kept in the project's own node_modules;
# installed again when the lock file changed since the last install.
here="$(cd "$(dirname "$0")/.." && pwd)"
if [ -f "$here/package.json" ] && { [ ! -f "$here/node_modules/.package-lock.json" ] ||
     [ "$here/package-lock.json" -nt "$here/node_modules/.package-lock.json" ]; }; then
  (cd "$here" && npm ci --silent --no-audit --no-fund >/dev/null)
fi
