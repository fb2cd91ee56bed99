// Constructs that split the flow: conditions and try blocks, case statements
// with their exit collector lane, and the dashed frame around an else part.
#include <cmath>

#include "tables/StatementTable.h"
#include "connect/Router.h"
#include "platform/text/ConversionError.h"

namespace vexoria {

void Router::routeCondition(const Geo& g)
{
    colourStep();
    const Colour cc = m_constructColour;
    const bool selfIsCaseTest = isCaseTest(m_cur);
    const int lx = g.X + g.x1;
    const int by = g.Y + g.y4 + g.stretchY;
    const int cx = centre(g.X + g.x1, g.X + g.x3 + g.stretchX);
    const int rx = g.X + g.x3 + g.stretchX;
    const int ry = truncHalf(g.Y + g.y3, g.stretchY);

    // "Да": straight down into the then part (or the try body).
    advance();
    const int t = blockTop(loadCur());
    line({{cx, by}, {cx, t}});
    addRow(ConnectionKind::Yes, cc, {cx, by, cx, t});
    downHead(cx, t);
    text(cx + 25, t - 18, QStringLiteral("Да"));

    // The block after the construct. Without a closing row (unbalanced code)
    // the search goes on from the first block of the then part.
    findClosing(m_kind, m_drawOrder);
    const int closing = m_cur;
    bool lastInLoop = false;
    if (stepOn()) {
        const BlockKind eo = cur().closedBlockKind();
        lastInLoop = eo == BlockKind::For || eo == BlockKind::While;
    }
    m_cur = closing;
    advance();
    const Geo a = loadCur();
    QPoint e = rightEntry(a);
    int ex = e.x();
    int ey = e.y();
    if (lastInLoop) {
        // The "Нет" line of the last statement of a loop body ends on the
        // condition's own column just above the block after the loop, where
        // the loop's return line turns towards its lane.
        ey -= 10;
        if (a.kind == BlockKind::Else) ey -= 10;
        if (a.kind == BlockKind::ChartEnd) ey -= 20;
        ex = cx;
    }
    const int lane = allocRight(ry, ey);

    if (isCaseTest(m_cur) && !selfIsCaseTest) {
        // The condition ends a case branch: only its exit into the collector
        // is drawn; the lane taken above stays taken.
        caseExitLine(lx, ry, cc, true, QStringLiteral("Выход \"Нет\""));
    } else {
        line({{rx, ry}, {lane, ry}, {lane, ey}, {ex, ey}});
        text(rx + 5, ry - 18, QStringLiteral("Нет"));
        addRow(ConnectionKind::No, cc, {rx, ry, lane, ry, lane, ey, ex, ey});
        leftHead(ex, ey);
    }

    returnTo(m_kind, m_drawOrder);
    advance();
}

void Router::routeCase(const Geo& g)
{
    colourStep();
    const Colour cc = m_constructColour;
    const int blx = g.X + g.x5;
    const int bly = g.Y + g.y5;
    const int cx = centre(g.X + g.x1, g.X + g.x2 + g.stretchX);
    const int by = g.Y + g.y4 + g.stretchY;

    // Into the first branch test, at its top vertex.
    advance();
    const Geo b = loadCur();
    const int t = b.Y + b.y2;
    line({{cx, by}, {cx, t}});
    addRow(ConnectionKind::Onward, 0, {cx, by, cx, t});
    downHead(cx, t);
    text(cx + 25, t - 28, QStringLiteral("Переход"));

    // The collector: from the box's bottom-left corner through a left lane to
    // just above the first block after the case statement. The branches'
    // exits, routed later, end on it.
    findClosing(BlockKind::Case, m_drawOrder);
    advance();
    const Geo a = loadCur();
    const int ey = bracketEndY(a);
    const int ex = cx;
    const int lane = allocLeft(bly, ey, true);
    m_canvas.setPenWidth(2);
    line({{blx, bly}, {lane, bly}, {lane, ey}, {ex, ey}});
    addRow(ConnectionKind::Bracket, cc, {blx, bly, lane, bly, lane, ey, ex, ey});
    m_canvas.setPenWidth(1);
    m_exitLane = lane;
    text(blx - 30, bly - 20, QStringLiteral("Блок"));
    m_canvas.setPenWidth(2);
    rightHead(ex, ey);
    m_canvas.setPenWidth(1);

    returnTo(m_kind, m_drawOrder);
    advance();
}

void Router::drawElseFrame(const Geo& g)
{
    const int elseIndex = m_cur;
    const int elseDrawOrder = val(cur().drawOrder);

    // The else part has a body when a block row comes before the row that
    // closes it. The end of the table counts as an empty body.
    bool hasBody = false;
    for (int i = elseIndex;;) {
        if (val(row(i).link) == elseDrawOrder) break;
        if (i + 1 >= size()) break;
        ++i;
        if (row(i).isBlock()) {
            hasBody = true;
            break;
        }
    }

    if (hasBody) {
        m_canvas.setPenWidth(1);
        const int top = g.Y + g.y1;
        const int sx = centre(g.X + g.x1, g.X + g.x2 + g.stretchX);
        findClosing(BlockKind::Else, elseDrawOrder);
        advance();
        const int bottom = blockTop(loadCur()) - 20;
        const int w = toInt(m_in.options.whileTextWidth);
        const double W = m_in.diagram.width();
        const int left = static_cast<int>(std::trunc(W / 2 - w + 65));
        const int right = static_cast<int>(std::trunc(w / 2.0 + W / 2 + 65));
        m_canvas.setPenStyle(PenStyle::Dash);
        line({{sx, top}, {left, top}, {left, bottom}, {right, bottom}, {right, top}, {sx + 50, top}});
        m_canvas.setPenStyle(PenStyle::Solid);
        text(left + 25, top - 20, QStringLiteral("Блок ELSE"));
    }

    if (!returnTo(BlockKind::Else, elseDrawOrder)) m_cur = elseIndex;
}

} // namespace vexoria
