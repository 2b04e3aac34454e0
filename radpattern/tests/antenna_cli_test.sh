#!/usr/bin/env bash
# vatool antenna check / pattern / fit end to end: exit codes, number formats, a pattern file
# written from known codes, and files that are not pattern files.
set -euo pipefail
vatool="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$vatool" antenna check 030EA10 | grep -qx valid || fail "valid code"
rc=0; out="$("$vatool" antenna check 066EA00)" || rc=$?
[ $rc = 1 ] && [ "$out" = invalid ] || fail "invalid code: $rc $out"
rc=0; "$vatool" antenna check >/dev/null 2>&1 || rc=$?
[ $rc = 2 ] || fail "check without a code"

[ "$("$vatool" antenna pattern 066EA00 0 --ratio)" = "-1.000000" ] || fail "invalid ratio"
[ "$("$vatool" antenna pattern 066EA00 0)" = "-1.0000" ] || fail "invalid dB"
[ "$("$vatool" antenna pattern 030EA00 30 -30 190 -170)" = $'3.0103\n3.0103\n40.0000\n40.0000' ] || fail "EA values"
rc=0; "$vatool" antenna pattern 030EA00 north >/dev/null 2>&1 || rc=$?
[ $rc = 2 ] || fail "angle that is no number"
[ "$("$vatool" antenna loss 030EA00 010EA00 -30 -10)" = "6.1006" ] || fail "new loss"
[ "$("$vatool" antenna loss 030EA00 010EA00 -30 -10 --old)" = "4.2572" ] || fail "old loss"

# A pattern file written from 030EA10 at azimuth 40 and 040VE00 with its maximum 3 degrees above
# the horizon (tilt 357).
{
  printf 'NAME test antenna\r\nFREQUENCY 800\r\nGAIN 10 dBd\r\nTILT ELECTRICAL\r\nCOMMENT\r\nHORIZONTAL 360\r\n'
  paste -d' ' <(seq 0 359) <("$vatool" antenna pattern 030EA10 $(seq -40 319)) | sed 's/$/\r/'
  printf 'VERTICAL 360\r\n'
  paste -d' ' <(seq 0 359) <("$vatool" antenna pattern 040VE00 $(seq 3 362)) | sed 's/$/\r/'
} >"$dir/known.msi"
[ "$("$vatool" antenna fit "$dir/known.msi")" = $'horizontal 030EA10, 40.0\nvertical 040VE00,357.0\nazimax 40.0 elemax 3.0' ] ||
  fail "fit of known codes: $("$vatool" antenna fit "$dir/known.msi")"

# Not a pattern file, a cut one, a missing one: exit 2 with the message, nothing on standard output.
printf 'MODEL x\r\n' >"$dir/model.msi"
head -c 400 "$dir/known.msi" >"$dir/cut.msi"
not_pattern="Selected file  isn't  Kathrein antenna file  !!"
for f in model:"$not_pattern" cut:"Selected file is shorter than Kathrein antenna file  !!" missing:"$not_pattern"; do
  name="${f%%:*}"
  rc=0; "$vatool" antenna fit "$dir/$name.msi" >"$dir/out" 2>"$dir/err" || rc=$?
  [ $rc = 2 ] && [ ! -s "$dir/out" ] || fail "$name: exit $rc"
  grep -qF "${f#*:}" "$dir/err" || fail "$name: message $(cat "$dir/err")"
done
# Paths that are no pattern file: each its own cause after the prefix, then the file message; exit
# 2 at once (no uncaught exception on a folder, no endless read of a device, no wait on a FIFO).
mkdir "$dir/folder.msi"
mkfifo "$dir/fifo.msi"
truncate -s $((1024 * 1024 + 1)) "$dir/huge.msi"
for f in "$dir/folder.msi":"is a directory, not a file" /dev/zero:"is a device or a pipe, not a file" \
         "$dir/fifo.msi":"is a device or a pipe, not a file" "$dir/missing.msi":"no such file" \
         "$dir/huge.msi":"the file is larger than its kind of file can be"; do
  path="${f%%:*}"
  rc=0; timeout 20 "$vatool" antenna fit "$path" >"$dir/out" 2>"$dir/err" || rc=$?
  [ $rc = 2 ] && [ ! -s "$dir/out" ] || fail "$path: exit $rc"
  [ "$(cat "$dir/err")" = "vatool: $path: ${f#*:}: $not_pattern" ] || fail "$path: message $(cat "$dir/err")"
done
echo "antenna command line: all checks passed"
