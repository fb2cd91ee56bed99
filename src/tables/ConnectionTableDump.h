#pragma once
// The connection table as text, in the same rules as the statement table dump.
#include <array>

#include <QString>

#include "tables/ConnectionTable.h"

namespace vexoria {

// The connection table's columns, as its dump heads them and the debug list
// names them.
const std::array<const char*, 15>& connectionColumnNames();

QString dumpConnectionTable(const ConnectionTable& table);

} // namespace vexoria
