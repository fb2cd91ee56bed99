#pragma once
// The statement part of a routine written out again in the one layout the
// statement scanner reads soundly: every construct head on a line of its own,
// every body of if, else, while, for and with between begin and end lines,
// each case branch as "label: begin" … "end;", one statement a line. The
// heading and declarations stay as they were, and so does what follows the
// routine's end. Comments go along as // comments where the scanner takes
// them; compiler directives are left out.
#include <QString>

#include "analysis/syntax/StatementTree.h"

namespace vexoria::scan {

QString layOutCanonically(const QString& text, const syntax::Routine& routine);

} // namespace vexoria::scan
