#pragma once
// The connection table as text, in the same rules as the statement table dump.
#include <QString>

#include "connect/Tstrelka.h"

namespace vexoria {

QString dumpTstrelka(const Tstrelka& table);

} // namespace vexoria
