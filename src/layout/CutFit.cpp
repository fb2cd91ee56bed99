#include "layout/CutFit.h"

#include <cstdlib>

namespace vexoria {

namespace {

bool isCandidate(const StatementRow& r) { return r.isClosing() && !val(r.opensBlock) && val(r.link) != 0; }

// For each row, the index of the first placed row (y not 0) from it on; the
// last row when there is none, as the shift after a cut takes it.
std::vector<int> nextPlaced(const StatementTable& t)
{
    std::vector<int> next(static_cast<std::size_t>(t.size()));
    int placed = t.size() - 1;
    for (int i = t.size() - 1; i >= 0; --i) {
        if (val(t.at(i).y) != 0) placed = i;
        next[static_cast<std::size_t>(i)] = placed;
    }
    return next;
}

} // namespace

std::vector<CutPlace> outermostCuts(const StatementTable& t)
{
    std::vector<CutPlace> cuts;
    const int count = t.size();
    if (count == 0) return cuts;
    const std::vector<int> next = nextPlaced(t);
    // The candidates the search's walk reaches, in order.
    std::vector<int> reached;
    const int start = t.find([](const StatementRow& r) { return r.kindIndex && *r.kindIndex == 0; });
    for (int i = start < 0 ? 0 : start; i < count; ++i) {
        if (t.at(i).isCasePart())
            while (i < count - 1 && t.at(i).closedBlockKind() != BlockKind::Case) ++i;
        if (isCandidate(t.at(i))) reached.push_back(i);
    }
    // Each cut is the candidate after the one before whose construct opens
    // first (the earliest on a tie): the suffix minima of the opening row.
    const std::size_t m = reached.size();
    std::vector<std::size_t> first(m);
    for (std::size_t j = m; j-- > 0;) {
        const bool own = j + 1 == m || val(t.at(reached[j]).link) <= val(t.at(reached[first[j + 1]]).link);
        first[j] = own ? j : first[j + 1];
    }
    for (std::size_t j = 0; j < m; j = first[j] + 1) {
        const int row = reached[first[j]];
        cuts.push_back({val(t.at(row).drawOrder), val(t.at(next[static_cast<std::size_t>(row)]).y)});
    }
    return cuts;
}

int cutY(const StatementTable& t, int drawOrder)
{
    const int at = t.find([drawOrder](const StatementRow& r) { return r.drawOrder && *r.drawOrder == drawOrder; });
    for (int i = std::max(at, 0); i < t.size(); ++i)
        if (val(t.at(i).y) != 0) return val(t.at(i).y);
    return t.isEmpty() ? 0 : val(t.at(t.size() - 1).y);
}

bool partsFit(const std::vector<int>& cutYs, int length, int maxHeight)
{
    int top = 0;
    for (int y : cutYs) {
        if (y - top + kPartMargin > maxHeight) return false;
        top = y;
    }
    return length - top + kPartMargin <= maxHeight;
}

std::optional<std::vector<int>> fittingCuts(const std::vector<CutPlace>& places, int parts, int length, int maxHeight)
{
    std::vector<int> drawOrders;
    std::vector<int> ys;
    std::size_t from = 0;
    for (int k = 1; k < parts; ++k) {
        const long long target = static_cast<long long>(length) * k / parts;
        std::optional<std::size_t> best;
        for (std::size_t i = from; i < places.size(); ++i) {
            if (!ys.empty() && places[i].y <= ys.back()) continue;
            if (!best || std::llabs(places[i].y - target) < std::llabs(places[*best].y - target)) best = i;
        }
        if (!best) return std::nullopt;
        drawOrders.push_back(places[*best].drawOrder);
        ys.push_back(places[*best].y);
        from = *best + 1;
    }
    if (!partsFit(ys, length, maxHeight)) return std::nullopt;
    return drawOrders;
}

} // namespace vexoria
