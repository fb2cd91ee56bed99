#pragma once
// The character scan of the classifier: turns the code text into statement
// rows (text rows, block rows, closing rows) and ends with the "end shema"
// row. Case statements are handed to the case scanner.
#include "analysis/ScanState.h"

namespace vexoria::scan {

// Runs the whole scan over s.codeText; the rows end up in s.rows.
void scanStatements(ScanState& s);

} // namespace vexoria::scan
