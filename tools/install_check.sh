#!/usr/bin/env bash
# Installs the build tree BUILD into a temporary prefix, moves the prefix elsewhere (an install must
# work wherever it lands) and checks it there: the libraries resolve from the prefix alone, the
# programs start, vatool finds the world map database and the border lines beside itself, and the
# desktop entry and icon are in place. Exit 0 when all holds.
set -euo pipefail
build="$(cd "${1:?usage: install_check.sh BUILD_DIR}" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "install_check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$scratch/first" >/dev/null
mv "$scratch/first" "$scratch/moved"
prefix="$scratch/moved"

for f in bin/vatool lib/librecbook.so lib/libradpattern.so lib/libterrainmap.so lib/libgeoatlas.so \
         share/quorla/GEOIDX1.BIN share/quorla/GEOPNT1.BIN share/quorla/GEOCCD3.BIN \
         share/quorla/demo/M_DEMO.xms share/man/man1/vatool.1; do
  [ -e "$prefix/$f" ] || fail "missing $f"
done
[ -d "$prefix/share/quorla/border" ] && [ -d "$prefix/share/quorla/demo/topo" ] || fail "missing data folders"

# Every library and program: RUNPATH into the prefix only, every dependency found, none from the build tree.
for f in "$prefix"/lib/*.so "$prefix"/bin/*; do
  runpath="$(readelf -d "$f" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')"
  [ "$runpath" = '$ORIGIN/../lib' ] || fail "$f has RUNPATH '$runpath'"
  deps="$(ldd "$f")"
  ! grep -q "not found" <<<"$deps" || fail "$f: $(grep 'not found' <<<"$deps")"
  ! grep -q "$build" <<<"$deps" || fail "$f loads from the build tree"
done
# The Debian package's Depends (from the build's package configuration) name the package of every
# library they load from outside the prefix, so that installing the package brings all of them.
depends="$(sed -n 's/^set(CPACK_DEBIAN_PACKAGE_DEPENDS "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
if command -v dpkg >/dev/null 2>&1 && ! ldd "$prefix/bin/vatool" | grep -q libasan; then
  [ -n "$depends" ] || fail "no Depends in $build/CPackConfig.cmake"
  names=" $(sed 's/([^)]*)//g; s/,/ /g; s/  */ /g' <<<"$depends") "
  for f in "$prefix"/lib/*.so "$prefix"/bin/*; do
    for lib in $(readelf -d "$f" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
      [ -e "$prefix/lib/$lib" ] && continue
      # "libm.so.6 => /lib/.../libm.so.6 (...)", or the loader as "/lib64/ld-linux-x86-64.so.2 (...)"
      path="$(ldd "$f" | awk -v lib="$lib" '$1 == lib { print $3 } $1 ~ "/" lib "$" { print $1 }')"
      owner="$({ dpkg -S "$path" || dpkg -S "$(readlink -f "$path")"; } 2>/dev/null | head -1 || true)"
      owner="${owner%%:*}"
      [ -n "$owner" ] || fail "$f loads $lib ($path), which no Debian package holds"
      [[ "$names" == *" $owner "* ]] || fail "$f loads $lib of $owner, which the package's Depends leave out"
    done
  done
fi

# Loading them the way a caller does: all exported entry points bound at load time. A sanitizer
# build can only be loaded into a program that brings the sanitizer's runtime first, which the
# Python interpreter does not; the checks above and below still run for it.
if ldd "$prefix/bin/vatool" | grep -q libasan; then
  echo "install_check: sanitizer build, loading through python3 left out"
else
python3 - "$prefix/lib" <<'PY'
import ctypes, sys
names = {"librecbook.so": ["EDITORVA", "EXCHVIEW"], "libradpattern.so": ["EDITANTVA"],
         "libterrainmap.so": ["TRANSFSOUR", "NASTAVADRES", "VERADRHCM"], "libgeoatlas.so": ["WDBUNIT", "GEOPLC"]}
for lib, entries in names.items():
    handle = ctypes.CDLL(f"{sys.argv[1]}/{lib}", mode=ctypes.RTLD_GLOBAL | 2)  # RTLD_NOW
    for e in entries:
        getattr(handle, e)
PY
fi

# The world map database and the border folder found beside the installed program, no --db given.
country="$(cd "$scratch" && "$prefix/bin/vatool" atlas country 14.42 50.08)"
[ "$country" = '"CZE"' ] || fail "vatool atlas country gave '$country'"
border="$(cd "$scratch" && "$prefix/bin/vatool" border check-dir "$scratch/none")"
[ "${border%/}" = "$prefix/share/quorla/border" ] || fail "vatool border check-dir gave '$border'"

if [ -e "$prefix/bin/taskhub" ]; then
  [ -f "$prefix/share/applications/taskhub.desktop" ] || fail "missing the desktop entry"
  [ -f "$prefix/share/icons/hicolor/32x32/apps/quorla-taskhub.png" ] || fail "missing the icon"
  # The launcher starts from the prefix (offscreen, scratch settings) and waits in its task window.
  rc=0
  HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" TMPDIR="$scratch" QT_QPA_PLATFORM=offscreen \
    timeout 5 "$prefix/bin/taskhub" >/dev/null 2>&1 || rc=$?
  [ $rc = 124 ] || fail "taskhub ended with $rc instead of showing its task window"
fi
echo "install_check: $prefix holds a working install"
