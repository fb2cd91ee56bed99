#pragma once
// Charts built in parts: which part a pass draws, and the cut search, split
// into its steps so that each can be checked on a table made by hand.
#include <array>

#include <QString>

#include "platform/prompts/Prompter.h"
#include "tables/StatementTable.h"

namespace vexoria {

// What the drawing pass and routing draw of a chart: the whole of it, or one
// part of a chart built in parts.
struct ChartPart {
    // 0: the whole chart; 1, 2 or 3: that part.
    int number = 0;
    // How many times the chart holds the length limit (one less than its
    // parts when it is built in parts); a chart drawn whole may hold it too.
    int extraParts = 0;
    // The closing rows (nom) after which parts 2 and 3 start.
    int firstCut = 0;
    int secondCut = 0;
};

// What the cut search found. made: the rows after each cut were moved up by
// the cut's height and part 1 may be drawn; otherwise the chart cannot be
// built in parts (firstCut keeps the cut chosen before that was known).
struct PartCuts {
    int firstCut = 0;
    int secondCut = 0;
    bool made = false;
};

// The cut search of a chart to be built in extraParts + 1 parts (table sorted
// on filtr after the structure check): the cuts, each part fitting in
// tallestPart, and the later rows moved up. Warns through the prompter when a
// part still exceeds maxChartLength, and when no cut can be made.
PartCuts splitIntoParts(StatementTable& statements, int extraParts, const QString& maxChartLength, int tallestPart,
                        Prompter* prompter);

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
