#!/usr/bin/env bash
# The bitmap formats' own limits: a chart past the 65,500 rows of a JPEG and
# one past the 2 GB of a BMP are each refused with one line naming .png and
# .svg, status 1, no file left; a BMP past the window's 1 GiB picture is
# written. Prints what happened and ends with status 1 when any was not so.
#   bench/scripts/limits.sh [BUILD]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="$(cd "${1:-$here/../../build}" && pwd)/src/vexoria-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 "$here/make_routine.py" 2000 r2000.pas   # about 90,000 rows
python3 "$here/make_routine.py" 10000 r10000.pas # about 450,000 rows: 0.9 GB of BMP
python3 "$here/make_routine.py" 25000 r25000.pas # about 1,100,000 rows: past 2 GB of BMP
bad=0
refused() { # CODE OUT
  status=0
  "$cli" render "$1" -o "$2" 2>err.txt || status=$?
  lines=$(wc -l <err.txt)
  echo "$2: status $status, $lines line: $(cat err.txt)"
  if [ "$status" = 0 ] || [ "$lines" != 1 ] || ! grep -q '\.png' err.txt || ! grep -q '\.svg' err.txt || [ -e "$2" ]; then
    bad=1
  fi
}
refused r2000.pas tall.jpg
refused r25000.pas huge.bmp
status=0
/usr/bin/time -f "%e s, peak %M kB" -o t.txt "$cli" render r10000.pas -o long.bmp || status=$?
echo "long.bmp: status $status, $(stat -c %s long.bmp 2>/dev/null || echo no) bytes, $(cat t.txt)"
[ "$status" = 0 ] || bad=1
exit $bad
