// Loops and the with statement: while and for (entry, return line through a
// right lane, exit through a left lane), repeat (entry, return from its until
// block through a left lane), until blocks, and the dashed with bracket.
#include "tables/StatementTable.h"
#include "connect/Router.h"

namespace vexoria {

void Router::routeWhileFor(const Geo& g, bool isFor)
{
    colourStep();
    const Colour cc = m_constructColour;
    // The for block is a diamond (bottom vertex y4, right vertex x3, y3); the
    // while block a hexagon (bottom edge y5, right vertex x4, y4).
    const int by = isFor ? g.Y + g.y4 + g.stretchY : g.Y + g.y5 + g.stretchY;
    const int rightX = isFor ? g.x3 : g.x4;
    const int cx = centre(g.X + g.x1, g.X + rightX + g.stretchX);
    const int rx = g.X + rightX + g.stretchX;
    const int ry = truncHalf(g.Y + (isFor ? g.y3 : g.y4), g.stretchY);
    const int lx = g.X + g.x1;
    const int ly = truncHalf(g.Y + g.y1, g.stretchY);

    // Into the body: "Да" for a while, "Нет" for a for loop.
    advance();
    const int t = blockTop(loadCur());
    line({{cx, by}, {cx, t}});
    addRow(isFor ? ConnectionKind::ForBody : ConnectionKind::Yes, cc, {cx, by, cx, t});
    downHead(cx, t);
    text(cx + 25, t - 18, isFor ? QStringLiteral("Нет") : QStringLiteral("Да"));

    // The first block after the loop; a loop that ends the body of an
    // enclosing loop goes back to that loop's test instead.
    findClosing(isFor ? BlockKind::For : BlockKind::While, m_drawOrder);
    const int outerLoop = enclosingLoop(m_cur);
    advance();
    const Geo a = loadCur();
    const int e = blockTop(a) - 10;

    // The return line starts on the body's last line, 20 px above the block
    // after the loop, and goes up a right lane into the loop block.
    const int lane = allocRight(ry, e);
    line({{cx, e - 10}, {cx, e}, {lane, e}, {lane, ry}, {rx, ry}});
    text(cx + 150, e - 18, QStringLiteral("Возврат цикла"));
    addRow(ConnectionKind::LoopReturn, cc, {cx, e - 10, cx, e, lane, e, lane, ry, rx, ry});
    leftHead(rx, ry);
    text(rx + 25, ry - 20, QStringLiteral("Цикл"));

    // The exit through a left lane, or into the collector when the loop is
    // the last statement of a case branch (the lane stays taken either way).
    if (outerLoop >= 0) {
        const QPoint test = loopTestTop(outerLoop);
        const int lane = allocLeft(test.y(), ly);
        line({{lx, ly}, {lane, ly}, {lane, test.y()}, test});
        text(lx - 20, ly - 18, isFor ? QStringLiteral("Да") : QStringLiteral("Нет"));
        addRow(isFor ? ConnectionKind::ForExit : ConnectionKind::WhileExit, cc,
               {lx, ly, lane, ly, lane, test.y(), test.x(), test.y()});
        rightHead(test.x(), test.y());
        returnTo(m_kind, m_drawOrder);
        advance();
        return;
    }
    const QPoint en = leftEntry(a);
    const int ex = en.x();
    const int ey = en.y();
    const int exitLaneX = allocLeft(ly, ey);
    if (isCaseTest(m_cur)) {
        caseExitLine(lx, ly, cc, !isFor, QStringLiteral("Выход \"Нет\""));
    } else {
        line({{lx, ly}, {exitLaneX, ly}, {exitLaneX, ey}, {ex, ey}});
        text(lx - 20, ly - 18, isFor ? QStringLiteral("Да") : QStringLiteral("Нет"));
        addRow(isFor ? ConnectionKind::ForExit : ConnectionKind::WhileExit, cc,
               {lx, ly, exitLaneX, ly, exitLaneX, ey, ex, ey});
        rightHead(ex, ey);
    }

    returnTo(m_kind, m_drawOrder);
    advance();
}

void Router::routeRepeat(const Geo& g)
{
    colourStep();
    const Colour cc = m_constructColour;
    m_repeatColour = cc;
    const int by = g.Y + g.y3 + g.stretchY;
    const int cx = centre(g.X + g.x1, g.X + g.x2 + g.stretchX);
    const int lx = g.X + g.x1;
    const int ly = g.Y + g.y1 + g.stretchY;

    advance();
    const int t = blockTop(loadCur());
    line({{cx, by}, {cx, t}});
    text(cx + 25, by + 5, QStringLiteral("Цикл"));
    addRow(ConnectionKind::Onward, cc, {cx, by, cx, t});
    downHead(cx, t);

    // The return line is recorded from the repeat block (its head end)
    // through a left lane to the bottom-left corner of the until block.
    findClosing(BlockKind::Repeat, m_drawOrder);
    const Geo u = loadCur();
    const int ux = u.X + u.x5;
    const int uy = u.Y + u.y5 + u.stretchY;
    const int lane = allocLeft(ly, uy);
    line({{lx, ly}, {lane, ly}, {lane, uy}, {ux, uy}});
    text(lx - 100, ly - 18, QStringLiteral("Возврат Цикл"));
    addRow(ConnectionKind::RepeatReturn, cc, {lx, ly, lane, ly, lane, uy, ux, uy});
    rightHead(lx, ly);

    returnTo(m_kind, m_drawOrder);
    advance();
}

void Router::routeUntil(const Geo& g)
{
    // An until takes the colour of the repeat routed last: after an inner
    // repeat loop, the outer until shows the inner loop's colour.
    if (m_colourMode) m_canvas.setPenColour(m_repeatColour);
    const int sx = centre(g.X + g.x5, g.X + g.x4 + g.stretchX);
    const int sy = g.Y + g.y5 + g.stretchY;

    bool loopEnd = false;
    advance(&loopEnd);
    const int t = blockTop(loadCur());
    line({{sx, sy}, {sx, t}});
    if (loopEnd) {
        // The last block of a while or for body: control goes back up the
        // loop's return line, never down this one.
        crossMark(sx, t - 10);
        text(sx - 90, t - 20, QStringLiteral("Нет перехода"));
        addRow(ConnectionKind::NotFollowed, 0, {sx, sy, sx, t});
    } else if (isCaseTest(m_cur)) {
        addRow(ConnectionKind::Onward, m_repeatColour, {sx, sy, sx, t});
        caseExitLine(sx, t - 10, m_repeatColour, false, QStringLiteral("Выход"));
    } else {
        addRow(ConnectionKind::Onward, m_repeatColour, {sx, sy, sx, t});
        downHead(sx, t);
        text(sx + 25, t - 18, QStringLiteral("Переход"));
    }

    returnTo(m_kind, m_drawOrder);
    advance();
}

void Router::routeWith(const Geo& g)
{
    colourStep();
    const Colour cc = m_constructColour;
    const int by = g.Y + g.y1 + g.stretchY;
    const int cx = centre(g.X + g.x1, g.X + g.x4 + g.stretchX) + 15;
    const int lx = g.X + g.x1;
    const int ly = by;

    advance();
    const int t = blockTop(loadCur());
    line({{cx, by}, {cx, t}});
    addRow(ConnectionKind::Onward, 0, {cx, by, cx, t});
    downHead(cx, t);
    text(cx + 25, t - 18, QStringLiteral("Присваиваем"));

    findClosing(BlockKind::With, m_drawOrder);
    advance();
    const Geo a = loadCur();
    const int ey = bracketEndY(a);
    const int ex = cx;
    // The bracket keeps to a fixed x half a lane step from the left edge; it
    // takes no lane.
    const int lane = m_laneStep / 2;
    m_canvas.setPenStyle(PenStyle::Dash);
    line({{lx, ly}, {lane, ly}, {lane, ey}, {ex, ey}});
    addRow(ConnectionKind::Bracket, cc, {lx, ly, lane, ly, lane, ey, ex, ey});
    text(lx - 25, ly - 18, QStringLiteral("Блок"));
    text(lane + 5 + m_laneStep, ey - 18, QStringLiteral("Конец присваивания"));
    m_canvas.setPenStyle(PenStyle::Solid);
    rightHead(ex, ey);

    returnTo(m_kind, m_drawOrder);
    advance();
}

} // namespace vexoria
