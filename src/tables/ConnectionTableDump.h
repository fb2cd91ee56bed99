#pragma once
// The connection table as text, in the same rules as the statement table dump.
#include <QString>

#include "tables/ConnectionTable.h"

namespace vexoria {

QString dumpConnectionTable(const ConnectionTable& table);

} // namespace vexoria
