#pragma once
// Which lines of the code each statement row was made from: the window
// selects them when a block is double-clicked, and outlines the block that
// holds the line the caret is on.
#include <vector>

#include <QString>

#include "analysis/CanonicalLayout.h"
#include "analysis/FlowAgreement.h"
#include "analysis/syntax/StatementTree.h"
#include "tables/StatementTable.h"

namespace vexoria::scan {

// Sets firstLine and lastLine of the rows made by a scan of scannedText, from
// the place each was made at. A row takes the lines of the statement, head or
// closing word that holds its place (routine: scannedText read as Pascal, or
// null); with origins, scannedText was laid out again from the code and the
// rows take the code's lines their laid-out line came from. Rows added after
// the scan keep -1.
void markRowLines(std::vector<StatementRow>& rows, const ScanPlaces& places, const QString& scannedText,
                  const syntax::Routine* routine, const std::vector<LineOrigin>* origins = nullptr);

} // namespace vexoria::scan
