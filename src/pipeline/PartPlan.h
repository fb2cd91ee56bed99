#pragma once
// The plan of a chart built in parts: where it is cut and which part "Далее"
// draws next. "Схема" makes it afresh from the length check; "Далее" walks it.
//
//   fits, or answer No      nothing to plan: the chart is drawn whole
//   too long, or Cancel     stopped; nothing is drawn
//   answer Yes              stopped after part 1, next = Second
//   answer Yes, no cut      stopped; nothing is drawn
//   "Далее" on Second       part 2; next = Third for three parts, else None
//   "Далее" on Third        part 3; next = None
#include "layout/ChartParts.h"

namespace vexoria {

enum class NextPart { None, Second, Third };

struct PartPlan {
    // How many times the chart holds the length limit: 0 when it fits. A
    // chart drawn whole after the answer No keeps it, and routing reads it.
    int extraParts = 0;
    int firstCut = 0;  // the closing row (nom) part 2 starts after
    int secondCut = 0; // the closing row (nom) part 3 starts after
    // "Схема" stopped after sizing: the chart was refused or the question
    // cancelled, or part 1 is on show.
    bool stoppedAfterSizing = false;
    NextPart next = NextPart::None;

    bool nextPartAvailable() const { return next != NextPart::None; }
    // What the drawing pass and routing draw of part `number` (0: whole).
    ChartPart part(int number) const { return ChartPart{number, extraParts, firstCut, secondCut}; }
};

} // namespace vexoria
