#pragma once
// The structure check: numbers the rows that carry a kind (filtr), pairs every
// closing row with the construct it closes and every until with its repeat.
#include "platform/prompts/Prompter.h"
#include "tables/BuildControl.h"
#include "tables/StatementTable.h"

namespace vexoria {

// Leaves the table sorted on filtr and gives the number of rows that carry a
// kind, which routing makes room for. Warns through the prompter, when there
// is one, about closing rows no construct can account for.
int checkStructure(StatementTable& statements, Prompter* prompter = nullptr, const BuildControl* control = nullptr);

} // namespace vexoria
