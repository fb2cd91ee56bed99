#include "connect/Hints.h"

#include <algorithm>

namespace vexoria {

namespace {

// Space between the pointer and the hint box.
constexpr int kHintGap = 12;

// A press hits a vertical lane at x from one end to the other, whichever way
// the lane runs (a goto to a label above runs up).
bool hitsLane(QPoint at, int x, int yA, int yB)
{
    return std::abs(at.x() - x) <= kLaneReach && at.y() >= std::min(yA, yB) && at.y() <= std::max(yA, yB);
}

std::optional<QString> ownerHint(const StatementTable& statements, const ConnectionRow& r, bool untilRow)
{
    const int drawOrder = val(r.ownerDrawOrder);
    const BlockKind ownerKind = r.ownerBlockKind();
    const int i = statements.find([&](const StatementRow& s) {
        return untilRow ? s.link && *s.link == drawOrder && s.closedKind.isSet() && s.closedBlockKind() == ownerKind
                        : s.drawOrder && *s.drawOrder == drawOrder && s.kind.isSet() && s.blockKind() == ownerKind;
    });
    if (i < 0) return std::nullopt;
    const StatementRow& s = statements.at(i);
    return s.kind.str() + u' ' + s.headText.str();
}

} // namespace

std::optional<QString> hintAt(const ConnectionTable& connections, const StatementTable& statements, QPoint at,
                              int firstRow)
{
    std::optional<QString> hint;
    for (int i = std::max(firstRow, 0); i < connections.size(); ++i) {
        const ConnectionRow& r = connections.at(i);
        std::optional<QString> found;
        switch (r.connectionKind()) {
        case ConnectionKind::ForExit:
        case ConnectionKind::WhileExit:
        case ConnectionKind::No:
        case ConnectionKind::Bracket:
        case ConnectionKind::Jump:
            if (hitsLane(at, val(r.x2), val(r.y1), val(r.y3))) found = ownerHint(statements, r, false);
            break;
        case ConnectionKind::LoopReturn:
            if (hitsLane(at, val(r.x3), val(r.y5), val(r.y2))) found = ownerHint(statements, r, false);
            break;
        case ConnectionKind::RepeatReturn:
            if (hitsLane(at, val(r.x2), val(r.y1), val(r.y3))) found = ownerHint(statements, r, true);
            break;
        default: break;
        }
        if (found) hint = found;
    }
    return hint;
}

QPoint hintBoxPlace(QPoint at, QSize box, QSize picture)
{
    int left = at.x() < picture.width() / 2 ? at.x() + kHintGap : at.x() - kHintGap - box.width();
    int top = at.y() - box.height() / 2;
    left = std::clamp(left, 0, std::max(0, picture.width() - box.width()));
    top = std::clamp(top, 0, std::max(0, picture.height() - box.height()));
    return {left, top};
}

} // namespace vexoria
