#pragma once
// After the scan: gives every row its drawing order nom, adds the begin,
// closing and procces rows that single statements need, removes redundant
// begin rows and comment leftovers, adds the header row and writes the goto
// targets. The finished rows go into the statement table.
#include <optional>

#include <QString>

#include "analysis/ScanState.h"
#include "tables/StatementTable.h"

namespace vexoria::scan {

// Fills table from the scanned rows of s (which it consumes). Returns the
// report title when the routine starts with a procedure or function header.
std::optional<QString> numberRows(ScanState& s, StatementTable& table);

} // namespace vexoria::scan
