#!/usr/bin/env bash
# Whole processes side by side: vexoria-cli render against dot on the same
# generated routine, to SVG and to PNG, at 1, 10 and 100 statements.
#   bench/scripts/startup.sh [BUILD]        (BUILD defaults to ./build)
# Needs hyperfine and, for the comparison, dot (Debian: graphviz).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="$(cd "${1:-$here/../../build}" && pwd)/src/vexoria-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
for n in 1 10 100; do
  python3 "$here/make_routine.py" "$n" "r$n.pas" --dot "r$n.dot"
  runs=(-n "vexoria svg $n" "$cli render r$n.pas -o r$n.svg"
        -n "vexoria png $n" "$cli render r$n.pas -o r$n.png")
  if command -v dot >/dev/null; then
    runs+=(-n "dot svg $n" "dot -Tsvg r$n.dot -o d$n.svg" -n "dot png $n" "dot -Tpng r$n.dot -o d$n.png")
  fi
  hyperfine -N -w 3 -r 30 --style basic "${runs[@]}"
done
