#pragma once
// The statement table as text: a header line, one tab-separated line per row
// in the table's order, then the '#' lines. Outside tools compare it byte for
// byte.
#include <optional>

#include <QString>

#include "tables/StatementTable.h"

namespace vexoria {

struct StatementDumpExtras {
    std::optional<QString> title;   // "#title" when the classifier set the report title
    std::optional<int> blockCount;  // "#blockCount" after the structure check
    std::optional<QString> warning; // "#warning" when the check warned
};

QString escapeDumpText(const QString& text);
QString dumpStatementTable(const StatementTable& table, const StatementDumpExtras& extras = {});

} // namespace vexoria
