#!/usr/bin/env bash
# install-deps.sh in a scratch copy of the project with stand-ins for dpkg-query and npm: when every
# Debian package is there and the data packages are current it prints nothing; when npm fails, its own
# message reaches standard error and the script stops with npm's exit code; a certificate failure
# adds the hint about an HTTPS proxy's CA. Exit 0 when all holds.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "install_deps_test: $*" >&2; exit 1; }

mkdir -p "$scratch/project/tools" "$scratch/bin"
cp "$here/tools/install-deps.sh" "$scratch/project/tools/"
echo '{}' >"$scratch/project/package.json"
echo '{}' >"$scratch/project/package-lock.json"
printf '#!/bin/sh\nprintf "install ok installed"\n' >"$scratch/bin/dpkg-query"
chmod +x "$scratch/bin/dpkg-query"

# npm as given: prints MESSAGE on standard error and ends with CODE; a success records the install.
fake_npm() {
  printf '#!/bin/sh\necho "%s" >&2\n[ %s = 0 ] && mkdir -p node_modules && touch node_modules/.package-lock.json\nexit %s\n' \
    "$1" "$2" "$2" >"$scratch/bin/npm"
  chmod +x "$scratch/bin/npm"
}
run() {
  rc=0
  PATH="$scratch/bin:$PATH" "$scratch/project/tools/install-deps.sh" >"$scratch/out" 2>"$scratch/err" || rc=$?
}

fake_npm "npm ERR! code E404 world-atlas not found" 7
run
[ "$rc" = 7 ] || fail "a failing npm ended the script with $rc instead of 7"
grep -q "npm ERR! code E404 world-atlas not found" "$scratch/err" || fail "npm's own message was not shown: $(cat "$scratch/err")"
grep -q "'npm ci --no-audit --no-fund' failed (exit code 7)" "$scratch/err" || fail "the failing step was not named"
! grep -q "certificate" "$scratch/err" || fail "a certificate hint for a failure that is none"

fake_npm "npm ERR! code SELF_SIGNED_CERT_IN_CHAIN" 1
run
[ "$rc" = 1 ] && grep -q "update-ca-certificates" "$scratch/err" || fail "no hint for an untrusted certificate"

fake_npm "added 1 package" 0
run
[ "$rc" = 0 ] || fail "a working npm ended the script with $rc"
run
[ "$rc" = 0 ] && [ ! -s "$scratch/out" ] && [ ! -s "$scratch/err" ] || fail "a second run was not silent"
echo "install_deps_test: failures are shown and stop the script; a complete set-up is silent"
