#pragma once
// The cut search of a chart built in parts, split into its steps so that each
// can be checked on a table made by hand.
#include <array>

#include "tables/StatementTable.h"

namespace vexoria {

constexpr int kCutSlots = 31;

// The nom of each candidate closing row, slot by slot; 0 is an empty slot.
using CutCandidates = std::array<int, kCutSlots>;

// Fills the candidate slots walking the table in its order (sorted on filtr):
// slot 0 holds the closing row whose construct opens first in the chart (its
// no below firstBound), each further slot the closing row after the previous
// candidate whose construct opens first among those opening before row
// 2 x share. Case statements are passed over whole.
CutCandidates collectCutCandidates(const StatementTable& table, int firstBound, int share);

// The first candidate, in slot order, within a tolerance of share that widens
// from 10; 0 when there is none.
int chooseCut(const CutCandidates& candidates, int share);

} // namespace vexoria
