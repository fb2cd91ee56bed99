#pragma once
// The branches of a case statement: every branch becomes an "if" block marked
// "case" with a begin block, its statements and a closing row; the else part
// an "else" block marked "case". A begin..end body is read by the main scan,
// which hands back here when the body's "end;" brings caseDepth to 0.
#include "analysis/ScanState.h"

namespace vexoria::scan {

// The branch loop, entered with pos just before the first non-blank of the
// line that should start a branch. Tells the main scan how to go on.
Resume scanCaseBranches(ScanState& s);

// The end of a case else whose body was a begin..end block, entered by the
// main scan right after that body's closing "end;".
Resume scanCaseElseEnd(ScanState& s);

} // namespace vexoria::scan
