#!/usr/bin/env bash
# The PNG goal: a 50,000-statement chart as PNG in under three times its SVG
# time (whole process, wall, best of five) with a peak under 200 MB. Other
# work on the machine slows both; run it on a quiet machine.
#   bench/scripts/png-goal.sh [BUILD [STATEMENTS]]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="$(cd "${1:-$here/../../build}" && pwd)/src/vexoria-cli"
n="${2:-50000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 "$here/make_routine.py" "$n" "r$n.pas"
best() { # FORMAT: the best wall time of five and the largest peak, "SECONDS KB"
  for run in 1 2 3 4 5; do
    /usr/bin/time -f "%e %M" -o t.txt "$cli" render "r$n.pas" -o "r$n.$1" >/dev/null
    cat t.txt
  done | sort -n | awk 'NR == 1 { t = $1 } { if ($2 > m) m = $2 } END { print t, m }'
}
read -r svg svgPeak < <(best svg)
read -r png pngPeak < <(best png)
python3 - "$n" "$svg" "$png" "$pngPeak" <<'PY'
import sys
n, svg, png, peak = sys.argv[1], float(sys.argv[2]), float(sys.argv[3]), int(sys.argv[4])
ratio = png / svg
print(f"{n} statements: SVG {svg:.2f} s, PNG {png:.2f} s = {ratio:.2f} x SVG, PNG peak {peak / 1024:.0f} MB")
print("goal (under 3 x SVG, under 200 MB):", "met" if ratio < 3 and peak < 200 * 1024 else "NOT met")
PY
