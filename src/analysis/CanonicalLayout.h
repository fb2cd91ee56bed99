#pragma once
// The statement part of a routine written out again in the one layout the
// statement scanner reads soundly: every construct head on a line of its own,
// every body of if, else, while, for and with between begin and end lines,
// each case branch as "label: begin" … "end;", one statement a line. The
// heading and declarations stay as they were, and so does what follows the
// routine's end. Comments go along as // comments where the scanner takes
// them; compiler directives are left out.
#include <vector>

#include <QString>

#include "analysis/syntax/StatementTree.h"

namespace vexoria::scan {

// The lines of the code a line of the laid-out text was written from, first
// and last (0-based); -1 for a line the layout adds (a begin or end around a
// single statement, a case branch's end).
struct LineOrigin {
    int first = -1;
    int last = -1;
};

// With origins, one entry is left there for each line of the result.
QString layOutCanonically(const QString& text, const syntax::Routine& routine,
                          std::vector<LineOrigin>* origins = nullptr);

} // namespace vexoria::scan
