#pragma once
// Cuts whose parts each fit in a picture. The cut search takes its cuts from
// the first 31 outermost constructs that open before twice the share of the
// rows; on a chart of thousands of constructs these all lie near its top, and
// the part after them is nearly the whole chart, too tall for any picture.
// When a part would not fit, the cuts are taken again from every outermost
// construct, each the one nearest to an equal share of the chart's length.
#include <optional>
#include <vector>

#include "tables/StatementTable.h"

namespace vexoria {

// Room a part's picture has below its last block: 100 pixels, and 100 more
// for the legend.
constexpr int kPartMargin = 200;

// A place to cut: the closing row (its nom) and the y at which the part after
// it begins, which the later rows are moved up by.
struct CutPlace {
    int drawOrder = 0;
    int y = 0;
};

// Every closing row the cut search may cut after, in the table's order
// (sorted on filtr): the closing row of each construct that no other open
// construct encloses, case statements passed over whole.
std::vector<CutPlace> outermostCuts(const StatementTable& t);

// The y at which the part after the closing row `nom` begins: that of the
// first placed row from it on (t sorted on filtr).
int cutY(const StatementTable& t, int drawOrder);

// Whether every part fits in maxHeight when a chart `length` long is cut at
// the heights cutYs (in order).
bool partsFit(const std::vector<int>& cutYs, int length, int maxHeight);

// parts - 1 cuts from places, each the one nearest to its equal share of
// length and after the one before it, when the parts they give each fit in
// maxHeight; nothing otherwise. Gives the drawOrders of the cut rows.
std::optional<std::vector<int>> fittingCuts(const std::vector<CutPlace>& places, int parts, int length, int maxHeight);

} // namespace vexoria
