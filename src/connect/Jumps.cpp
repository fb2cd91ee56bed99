// Blocks that jump: goto (to its label), exit (to the end of the scheme) and
// break (to the block after the enclosing loop). Each first draws its line
// down to the next block as a line control never follows.
#include "tables/StatementTable.h"
#include "connect/Router.h"

namespace vexoria {

void Router::lineNotFollowed(int cx, int by)
{
    advance();
    const int t = blockTop(loadCur());
    line({{cx, by}, {cx, t}});
    addRow(ConnectionKind::NotFollowed, 0, {cx, by, cx, t});
    crossMark(cx, t - 10);
    text(cx - 90, t - 20, QStringLiteral("Нет перехода"));
}

void Router::routeGoto(const Geo& g)
{
    colourStep();
    const Colour cc = m_constructColour;
    m_gotoColour = cc;
    const int label = val(cur().link);
    const int cx = centre(g.X + g.x1, g.X + g.x3 + g.stretchX);
    const int by = g.Y + g.y4 + g.stretchY;
    const int tx = g.X + g.x1;
    const int ty = g.Y + g.y1;

    lineNotFollowed(cx, by);

    // The label row; when there is none, the block after the goto stands in
    // for it (its place and its n).
    auto it = m_labelByN.constFind(label);
    if (it != m_labelByN.constEnd()) m_cur = *it;
    const StatementRow& target = cur();
    // Goto and label blocks share their left tip.
    const int lbx = val(target.x) + g.x1;
    const int lby = val(target.y) + g.y1;
    const int labelN = val(target.n);

    // Half a step right of a left lane: of the lane below the newest when
    // there are two or more, of the only one otherwise. With no left lane
    // yet, half a step right of where the first left lane will be
    // (x 30 with the default spacing).
    const int k = static_cast<int>(m_left.size()) - 1;
    int lane;
    if (k > 1) lane = m_left[static_cast<std::size_t>(k - 1)].x + m_laneStep / 2;
    else if (k == 1) lane = m_left[1].x + m_laneStep / 2;
    else lane = m_left[0].x + m_laneStep + m_laneStep / 2;
    // These two tests compare a statement number with a lane index and a
    // lane index with a row number; they are kept as the program has always
    // drawn gotos.
    if (m_drawOrder == k) lane = m_left[static_cast<std::size_t>(k)].x + m_laneStep + 5;
    const ConnectionKind kind = k >= labelN ? ConnectionKind::RepeatReturn : ConnectionKind::ForExit;

    m_canvas.setPenWidth(2);
    line({{tx, ty}, {lane, ty}, {lane, lby}, {lbx, lby}});
    addRow(kind, cc, {tx, ty, lane, ty, lane, lby, lbx, lby});
    m_canvas.setPenWidth(3);
    text(tx - 35, ty - 18, QStringLiteral("Переход"));
    rightHead(lbx, lby);
    m_canvas.setPenWidth(1);

    // Back to the goto through its ordinal; when it cannot be found the walk
    // goes on after the label.
    findRow(m_byClosedKind, gotoMark(m_gotoOrdinal));
    ++m_gotoOrdinal;
    advance();
}

void Router::routeExit(const Geo& g)
{
    const Colour slot = takeSlotBlack();
    const int cx = centre(g.X + g.x1, g.X + g.x3 + g.stretchX);
    const int by = g.Y + g.y4 + g.stretchY;
    const int tx = g.X + g.x3;
    const int ty = g.Y + g.y3;

    lineNotFollowed(cx, by);

    if (m_chartEnd >= 0) m_cur = m_chartEnd;
    const Geo e = loadCur();
    const int ex = e.X + e.x2 + e.stretchX;
    const int ey = e.Y + e.y1;
    const int lane = m_in.diagram.width() - 15;

    m_canvas.setPenWidth(1);
    if (!m_colourMode) m_canvas.setPenStyle(PenStyle::Dot);
    line({{tx, ty}, {lane, ty}, {lane, ey}, {ex, ey}});
    addRow(ConnectionKind::Jump, slot, {tx, ty, lane, ty, lane, ey, ex, ey});
    m_canvas.setPenStyle(PenStyle::Solid);
    text(tx + 5, ty - 18, QStringLiteral("Выход"));
    leftHead(ex, ey);

    returnTo(m_kind, m_drawOrder);
    advance();
}

void Router::routeBreak(const Geo& g)
{
    const Colour slot = takeSlotBlack();
    const int cx = centre(g.X + g.x1, g.X + g.x3 + g.stretchX);
    const int by = g.Y + g.y4 + g.stretchY;
    const int tx = g.X + g.x3;
    const int ty = g.Y + g.y3;

    lineNotFollowed(cx, by);

    // The end of the loop that holds the break: the first closing row of a
    // for or while loop, or until row, after it whose loop opened before it
    // (a loop that opens after the break and ends before the break's own
    // does not hold it). Outside any loop the search runs to the end of the
    // table.
    returnTo(m_kind, m_drawOrder);
    const int breakDrawOrder = m_drawOrder;
    int outerLoop = -1;
    if (stepOn()) {
        for (;;) {
            const StatementRow& r = cur();
            const bool loopEnd =
                r.closesWhileOrFor() || (r.blockKind() == BlockKind::Until && r.closedBlockKind() == BlockKind::Repeat);
            if (loopEnd && val(r.link) < breakDrawOrder) {
                outerLoop = enclosingLoop(m_cur);
                break;
            }
            if (!stepOn()) break;
        }
    }
    advance();
    // After a loop that ends the body of an enclosing loop, the break goes
    // to that loop's test.
    const QPoint e = outerLoop >= 0 ? loopTestTop(outerLoop) : rightEntry(loadCur());
    const int ex = e.x();
    const int ey = e.y();

    // Half a step inside the lane below the newest right lane; with no right
    // lane yet, half a step inside the image's edge (x 690 by default).
    const int k = static_cast<int>(m_right.size()) - 1;
    const int lane = m_right[static_cast<std::size_t>(k > 0 ? k - 1 : 0)].x - m_laneStep / 2;

    m_canvas.setPenWidth(1);
    if (!m_colourMode) m_canvas.setPenStyle(PenStyle::Dot);
    line({{tx, ty}, {lane, ty}, {lane, ey}, {ex, ey}});
    m_canvas.setPenStyle(PenStyle::Solid);
    text(tx + 5, ty - 18, QStringLiteral("Выход"));
    addRow(ConnectionKind::Jump, slot, {tx, ty, lane, ty, lane, ey, ex, ey});
    leftHead(ex, ey);

    returnTo(m_kind, m_drawOrder);
    advance();
}

} // namespace vexoria
