#!/usr/bin/env bash
# Batch throughput: render --all over a folder of units (by default Free
# Pascal's sources when installed, else the test unit) on one core and on all
# of them, in charts per second. With EVERY, only every EVERY-th unit of the
# folder is drawn (linked into a sample tree that mirrors it), and the time
# the whole folder would take at that rate is printed too. The goal: the
# whole of /usr/share/fpcsrc (about 260,000 routines) to SVG in under 5
# minutes on 2 cores:
#   bench/scripts/batch.sh build /usr/share/fpcsrc svg 10
#   bench/scripts/batch.sh [BUILD [FOLDER [FORMAT [EVERY]]]]
# The charts go under TMPDIR. On a shared machine's disk, making thousands of
# small files takes from one to five times as long as drawing them, and
# varies from run to run as much; TMPDIR=/dev/shm measures the drawing.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="$(cd "${1:-$here/../../build}" && pwd)/src/vexoria-cli"
source="${2:-}"
if [ -z "$source" ]; then
  source="$(ls -d /usr/share/fpcsrc/*/rtl/objpas 2>/dev/null | head -1)"
  [ -n "$source" ] || source="$here/../../tests/data/source"
fi
format="${3:-svg}"
every="${4:-1}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [ "$every" != 1 ]; then
  find "$source" -type f \( -iname '*.pas' -o -iname '*.pp' -o -iname '*.inc' -o -iname '*.lpr' -o -iname '*.dpr' \) |
    sort | awk -v every="$every" 'NR % every == 1' >"$work/units.txt"
  while read -r unit; do
    link="$work/sample/${unit#"$source"/}"
    mkdir -p "$(dirname "$link")"
    ln -s "$unit" "$link"
  done <"$work/units.txt"
  echo "$(wc -l <"$work/units.txt") units of $source (every $every), to $format"
  source="$work/sample"
fi
for cores in one all; do
  rm -rf "$work/out"
  pin=()
  [ "$cores" = one ] && pin=(taskset -c 0)
  start=$(date +%s.%N)
  "${pin[@]}" "$cli" render "$source" --all --format "$format" -o "$work/out" 2>"$work/err.txt" || true
  end=$(date +%s.%N)
  charts=$(find "$work/out" -type f | wc -l)
  python3 - "$cores" "$charts" "$start" "$end" "$every" <<'PY'
import sys
cores, charts, start, end, every = sys.argv[1], int(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4]), int(sys.argv[5])
t = end - start
line = f"{cores:>3} core(s): {charts} charts in {t:.2f} s, {charts / t:.0f} charts/s"
if every > 1:
    line += f"; all {charts * every} charts in about {charts * every / (charts / t) / 60:.1f} min"
print(line)
PY
done
tail -1 "$work/err.txt"
