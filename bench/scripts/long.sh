#!/usr/bin/env bash
# Long charts: the time and peak memory of one whole process drawing a
# generated routine of 10,000 and of 50,000 statements to SVG, PNG and BMP
# (a BMP of 50,000 statements is past the 2 GB a BMP holds: it is refused).
#   bench/scripts/long.sh [BUILD]           (BUILD defaults to ./build)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="$(cd "${1:-$here/../../build}" && pwd)/src/vexoria-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
for n in 10000 50000; do
  python3 "$here/make_routine.py" "$n" "r$n.pas"
  for format in svg png bmp; do
    for run in 1 2 3; do
      status=0
      /usr/bin/time -f "$n statements $format: %e s, %U s user, peak %M kB" "$cli" render "r$n.pas" -o "r$n.$format" \
        2>>time.txt >/dev/null || status=$?
      [ "$status" = 0 ] || echo "$n statements $format: status $status" >>time.txt
      rm -f "r$n.$format"
    done
  done
done
grep -v '^vexoria-cli' time.txt
