#pragma once
// Does a classified table state the flow of the code it came from? Every
// statement of the routine's statement part is looked for among the rows made
// on its line, and the loops and with statements around that row on the
// chart, and the innermost branch that holds it, must be those around the
// statement in the code. The rows are traced to the code through the place
// in the text where the scan made each of them.
#include <utility>
#include <vector>

#include <QString>

#include "tables/StatementTable.h"
#include "analysis/syntax/StatementTree.h"

namespace vexoria::scan {

struct ScanPlaces {
    std::vector<int> rowPlaces;                   // 1-based pos, index n - 1
    std::vector<std::pair<int, int>> tryHeadEnds; // row index, pos
};

// The number of statements whose place on the chart is not their place in the
// code (0 when the table states the code's flow). rows may be in any order;
// rows with n above places.rowPlaces.size() were added after the scan.
int flowDisagreements(const QString& text, const syntax::Routine& routine, const std::vector<StatementRow>& rows,
                      const ScanPlaces& places);

} // namespace vexoria::scan
