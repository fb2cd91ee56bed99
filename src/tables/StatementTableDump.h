#pragma once
// The statement table as text: a header line, one tab-separated line per row
// in the table's order, then the '#' lines. Outside tools compare it byte for
// byte.
#include <array>
#include <optional>

#include <QString>

#include "tables/StatementTable.h"

namespace vexoria {

struct StatementDumpExtras {
    std::optional<QString> title;   // "#title" when the classifier set the report title
    std::optional<int> blockCount;  // "#blockCount" after the structure check
    std::optional<QString> warning; // "#warning" when the check warned
};

// The statement table's columns, as its dump heads them and the debug list
// names them.
const std::array<const char*, 14>& statementColumnNames();

// The header line of a dump: the names joined by tabs, and a line break.
QString dumpHeader(const char* const* names, std::size_t count);

QString escapeDumpText(const QString& text);
QString dumpStatementTable(const StatementTable& table, const StatementDumpExtras& extras = {});

} // namespace vexoria
