#!/usr/bin/env bash
# Throughput of render --all over a tree of units to SVG: every EVERY-th unit
# of FOLDER (all of them with 1), on one core and on all of them, in charts a
# second, and the time the whole tree would take at that rate. The goal: Free
# Pascal's sources (about 260,000 routines) in under 5 minutes on 2 cores.
#   bench/scripts/throughput.sh [BUILD [FOLDER [EVERY [FORMAT]]]]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="$(cd "${1:-$here/../../build}" && pwd)/src/vexoria-cli"
source="${2:-/usr/share/fpcsrc}"
every="${3:-10}"
format="${4:-svg}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The sample: links to every EVERY-th unit, in a tree that mirrors FOLDER's.
find "$source" -type f \( -iname '*.pas' -o -iname '*.pp' -o -iname '*.inc' -o -iname '*.lpr' -o -iname '*.dpr' \) |
  sort | awk -v every="$every" 'NR % every == 1 || every == 1' >"$work/units.txt"
while read -r unit; do
  link="$work/sample/${unit#"$source"/}"
  mkdir -p "$(dirname "$link")"
  ln -s "$unit" "$link"
done <"$work/units.txt"
echo "$(wc -l <"$work/units.txt") units of $source (every $every), to $format"
for cores in one all; do
  rm -rf "$work/out"
  pin=()
  [ "$cores" = one ] && pin=(taskset -c 0)
  start=$(date +%s.%N)
  "${pin[@]}" "$cli" render "$work/sample" --all --format "$format" -o "$work/out" 2>"$work/err.txt" || true
  end=$(date +%s.%N)
  charts=$(find "$work/out" -type f | wc -l)
  python3 - "$cores" "$charts" "$start" "$end" "$every" <<'PY'
import sys
cores, charts, start, end, every = sys.argv[1], int(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4]), int(sys.argv[5])
t = end - start
rate = charts / t
print(f"{cores:>3} core(s): {charts} charts in {t:.1f} s, {rate:.0f} charts/s; "
      f"the whole tree ({charts * every} charts) in about {charts * every / rate / 60:.1f} min")
PY
  tail -1 "$work/err.txt"
done
