#!/usr/bin/env python3
"""Writes a generated routine of about N statements (the routine the drawing
benchmarks build: groups of an if with a begin block, a for loop, a while
loop and a case statement, in turn) and, with --dot, the same flowchart as a
Graphviz graph, so that whole processes can be timed side by side.

    make_routine.py N routine.pas [--dot routine.dot]
"""
import sys

# 315 groups make 1,000 statements (bench/support/BenchSupport.h).
GROUPS_PER_STATEMENT = 315 / 1000


def routine(groups):
    out = ["procedure Long(var a: array of Integer; n: Integer);", "var", "  i, s: Integer;", "begin"]
    for k in range(groups):
        kind = k % 4
        if kind == 0:
            out += ["  if a[%d] > s then" % k, "  begin", "    s := a[%d];" % k, "  end;"]
        elif kind == 1:
            out += ["  for i := 0 to %d do" % k, "  begin", "    s := s + a[i];", "  end;"]
        elif kind == 2:
            out += ["  while s > %d do" % k, "  begin", "    s := s div 2;", "  end;"]
        else:
            out += ["  case s of", "    %d: s := 0;" % k, "  end;"]
    out.append("end;")
    return "\r\n".join(out) + "\r\n"


def dot(groups):
    """The same chart for dot: a box per statement, a diamond per test,
    the loops' back edges and the branches' joins."""
    lines = ["digraph Long {", '  node [fontname="Liberation Sans", fontsize=8];',
             '  n0 [shape=box, label="procedure Long"];']
    last = "n0"
    for k in range(groups):
        kind = k % 4
        test, body, join = "t%d" % k, "b%d" % k, "j%d" % k
        label = ["a[%d] > s" % k, "i := 0 to %d" % k, "s > %d" % k, "s"][kind]
        stmt = ["s := a[%d]" % k, "s := s + a[i]", "s := s div 2", "%d: s := 0" % k][kind]
        lines.append('  %s [shape=diamond, label="%s"];' % (test, label))
        lines.append('  %s [shape=box, label="%s"];' % (body, stmt))
        lines.append('  %s [shape=point];' % join)
        lines.append("  %s -> %s;" % (last, test))
        lines.append('  %s -> %s [label="yes"];' % (test, body))
        if kind in (1, 2):
            lines.append("  %s -> %s;" % (body, test))
            lines.append('  %s -> %s [label="no"];' % (test, join))
        else:
            lines.append("  %s -> %s;" % (body, join))
            lines.append('  %s -> %s [label="no"];' % (test, join))
        last = join
    lines.append('  end [shape=box, label="end"];')
    lines.append("  %s -> end;" % last)
    lines.append("}")
    return "\n".join(lines) + "\n"


def main(argv):
    if len(argv) not in (3, 5):
        sys.exit(__doc__)
    groups = max(1, round(int(argv[1]) * GROUPS_PER_STATEMENT))
    with open(argv[2], "w", newline="") as f:
        f.write(routine(groups))
    if len(argv) == 5 and argv[3] == "--dot":
        with open(argv[4], "w") as f:
            f.write(dot(groups))


if __name__ == "__main__":
    main(sys.argv)
