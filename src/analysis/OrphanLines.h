#pragma once
// Statement lines that no block would draw get a process block of their own.
// The scan leaves such lines behind wherever a statement follows a block that
// holds no text: the statements of a try body after the first, the single
// statement of a while or with written on the head's line, a statement after
// an until, the start of a routine copied without its header. Without this
// step they would be missing from the chart and nothing would tell the user.
#include <vector>

#include "tables/StatementTable.h"

namespace vexoria::scan {

// A text row: it shows a statement line (something besides blanks and line
// breaks), is neither a block nor a closing row, and is no comment row.
bool isStatementLine(const StatementRow& row);

// Walks the rows in nom order (order holds their indices into rows) and adds
// a procces row before every statement line that no text block holds. An
// added row takes n = rowCounter + 1, counting on, and the nom of the row it
// stands before; every row from there on moves up by one nom for each row
// added before it. One pass: a run of such lines needs one process block,
// since the block added before its first line holds the rest.
void holdOrphanLines(std::vector<StatementRow>& rows, std::vector<int>& order, int& rowCounter);

} // namespace vexoria::scan
