#!/usr/bin/env bash
# Installs every Debian package and data package the build, the tests and the demo need. Idempotent:
# prints nothing and touches nothing when all of them are there already. A step that fails shows its
# own output and ends the script with that step's exit code.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev  # the build; clang and its fuzzer runtime for the fuzz preset
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  qt6-base-dev qt6-translations-l10n fonts-liberation2
  proj-bin         # cs2cs, the datum conversion's reference in the tests
  python3          # the pattern reference and the command-line tests
  binutils         # readelf in the install test
  ca-certificates  # npm's registry over https
)

# Runs a step with its output kept aside; when it fails, the output is shown and the script stops.
step() {
  local log rc=0
  log="$(mktemp)"
  "$@" >"$log" 2>&1 || rc=$?
  if [ "$rc" -ne 0 ]; then
    echo "install-deps: '$*' failed (exit code $rc):" >&2
    cat "$log" >&2
    # npm behind an intercepting HTTPS proxy: the proxy's certificate must be trusted by the system.
    if grep -qiE 'certificate|UNABLE_TO_GET_ISSUER|SELF_SIGNED' "$log"; then
      echo "install-deps: the registry's certificate was not trusted. Behind an HTTPS proxy, put its CA" \
           "certificate into /usr/local/share/ca-certificates/ and run update-ca-certificates." >&2
    fi
    rm -f "$log"
    exit "$rc"
  fi
  rm -f "$log"
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# Node.js may come from elsewhere with its own npm; Debian's packages only when there is none.
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "install-deps: run as root or install sudo: ${missing[*]} are missing" >&2; exit 1; }
    sudo=(sudo)
  fi
  step "${sudo[@]}" apt-get update
  step "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Data packages from npm (the world map source), kept in the project's own node_modules; installed
# again when the lock file changed since the last install.
here="$(cd "$(dirname "$0")/.." && pwd)"
if [ -f "$here/package.json" ] && { [ ! -f "$here/node_modules/.package-lock.json" ] ||
     [ "$here/package-lock.json" -nt "$here/node_modules/.package-lock.json" ]; }; then
  echo "Installing the data packages (npm ci)"
  (cd "$here" && step npm ci --no-audit --no-fund)
fi
