#!/usr/bin/env bash
# Batch throughput: render --all over a folder of units (by default Free
# Pascal's sources when installed, else the test unit) on one core and on all
# of them, in charts per second.
#   bench/scripts/batch.sh [BUILD [FOLDER [FORMAT]]]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="$(cd "${1:-$here/../../build}" && pwd)/src/vexoria-cli"
source="${2:-}"
if [ -z "$source" ]; then
  source="$(ls -d /usr/share/fpcsrc/*/rtl/objpas 2>/dev/null | head -1)"
  [ -n "$source" ] || source="$here/../../tests/data/source"
fi
format="${3:-svg}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for cores in one all; do
  rm -rf "$work/out"
  pin=()
  [ "$cores" = one ] && pin=(taskset -c 0)
  start=$(date +%s.%N)
  "${pin[@]}" "$cli" render "$source" --all --format "$format" -o "$work/out" 2>"$work/err.txt" || true
  end=$(date +%s.%N)
  charts=$(find "$work/out" -type f | wc -l)
  python3 -c "import sys; t=$end-$start; print(f'{sys.argv[1]:>3} core(s): {$charts} charts in {t:.2f} s, {$charts/t:.0f} charts/s')" "$cores"
done
tail -1 "$work/err.txt"
