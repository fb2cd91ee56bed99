#!/usr/bin/env bash
# Long charts: the time and peak memory of one whole process drawing a
# generated routine of 10,000 and of 50,000 statements to SVG and to PNG.
#   bench/scripts/long.sh [BUILD]           (BUILD defaults to ./build)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="$(cd "${1:-$here/../../build}" && pwd)/src/vexoria-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
for n in 10000 50000; do
  python3 "$here/make_routine.py" "$n" "r$n.pas"
  for format in svg png; do
    for run in 1 2 3; do
      status=0
      /usr/bin/time -f "$n statements $format: %e s, peak %M kB" "$cli" render "r$n.pas" -o "r$n.$format" \
        2>>time.txt >/dev/null || status=$?
      [ "$status" = 0 ] || echo "$n statements $format: status $status" >>time.txt
    done
  done
done
grep -v '^vexoria-cli' time.txt
