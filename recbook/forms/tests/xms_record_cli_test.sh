#!/usr/bin/env bash
# vatool xms show / edit end to end: the values show prints, stored back by edit, leave every valid
# record byte for byte as it was (true and CR+LF files); typed values go through the form's rules
# and check; a refused record writes nothing.
set -euo pipefail
vatool="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$vatool" xms generate --records 40 --seed 11 -o "$dir/M_REG.xms"
"$vatool" xms convert --to crlf "$dir/M_REG.xms" -o "$dir/M_REG_xms.txt"
for file in M_REG.xms M_REG_xms.txt; do
  for n in 1 7 13 22 40; do
    mapfile -t assignments < <("$vatool" xms show --record "$n" "$dir/$file" | sed 's/ /=/')
    [ "${#assignments[@]}" = 28 ] || fail "28 items in $file record $n"
    "$vatool" xms edit --record "$n" "${assignments[@]}" "$dir/$file" -o "$dir/out"
    cmp -s "$dir/$file" "$dir/out" || fail "show then edit changed $file record $n"
  done
done

# The user's entry-box properties are read as the editor reads them, from the settings file of a
# scratch home; they tune the caret only, so show prints the same texts and show-then-edit still
# changes nothing. A settings file that is not a settings file reads as no properties; reading
# never creates or changes the settings.
home="$dir/home"
mkdir -p "$home/.config/Quorla"
plain="$("$vatool" xms show --record 7 "$dir/M_REG.xms")"
for settings in $'[Software\\Quorla]\nGeoTxtBox=-1, 1, 1, 1\n' $'\x01\x02 not a settings file\n['; do
  printf '%s' "$settings" > "$home/.config/Quorla/registry.ini"
  cp "$home/.config/Quorla/registry.ini" "$dir/settings.before"
  shown="$(env -u QUORLA_CONFIG_HOME -u XDG_CONFIG_HOME HOME="$home" "$vatool" xms show --record 7 "$dir/M_REG.xms")"
  [ "$shown" = "$plain" ] || fail "show with the user's properties"
  mapfile -t assignments < <(sed 's/ /=/' <<<"$shown")
  env -u QUORLA_CONFIG_HOME -u XDG_CONFIG_HOME HOME="$home" \
    "$vatool" xms edit --record 7 "${assignments[@]}" "4C=0151530E,491530N" "$dir/M_REG.xms" -o "$dir/geo.xms"
  grep -qx '4C 015 E 15 30,49 N 15 30' < <("$vatool" xms show --record 7 "$dir/geo.xms") || fail "typed position"
  cmp -s "$home/.config/Quorla/registry.ini" "$dir/settings.before" || fail "settings changed by show or edit"
done
rm -rf "$home"
mkdir -p "$home"
env -u QUORLA_CONFIG_HOME -u XDG_CONFIG_HOME HOME="$home" "$vatool" xms show --record 7 "$dir/M_REG.xms" >/dev/null
[ ! -e "$home/.config/Quorla/registry.ini" ] || fail "show created a settings file"

# Typed as into the boxes: upper case, the date separators, the antenna code assistant.
"$vatool" xms edit --record 3 "2C=25122003" "4B=d1" "9XV=000n" "13Z=new, site" "$dir/M_REG.xms" -o "$dir/typed.xms"
shown="$("$vatool" xms show --record 3 "$dir/typed.xms")"
grep -qx '2C 25-12-2003' <<<"$shown" || fail "date"
grep -qx '4B D' <<<"$shown" || fail "country"
grep -qx '9XV 000ND00' <<<"$shown" || fail "antenna code"
grep -qx '13Z NEW SITE' <<<"$shown" || fail "text rule"
cmp -s <(head -c $((3 * 219)) "$dir/M_REG.xms") <(head -c $((3 * 219)) "$dir/typed.xms") || fail "other records"

# The check refuses: its message on standard error, exit 1, nothing written.
rc=0; "$vatool" xms edit --record 2 "4B=" "$dir/M_REG.xms" -o "$dir/never.xms" 2>"$dir/err" || rc=$?
[ $rc = 1 ] || fail "refused exit $rc"
grep -qx 'Missing Country of station  !!  ' "$dir/err" || fail "refused message"
[ ! -e "$dir/never.xms" ] || fail "refused record written"

# Bad usage: an unknown item, a record out of range.
rc=0; "$vatool" xms edit --record 2 "4Q=1" "$dir/M_REG.xms" -o "$dir/never.xms" 2>/dev/null || rc=$?
[ $rc = 2 ] || fail "unknown item"
rc=0; "$vatool" xms show --record 41 "$dir/M_REG.xms" >/dev/null 2>&1 || rc=$?
[ $rc = 2 ] || fail "record out of range"
echo ok
