// Blocks that pass control straight down: plain blocks (var, else, begin,
// procces, header, except) and label blocks.
#include "tables/StatementTable.h"
#include "connect/Router.h"

namespace vexoria {

void Router::routePlain(const Geo& g)
{
    m_canvas.setPenColour(kBlack);
    const int sx = centre(g.X + g.x1, g.X + g.x2 + g.stretchX);
    const int sy = g.Y + g.y2 + g.stretchY;
    if (g.kind == BlockKind::Else) drawElseFrame(g);

    bool loopEnd = false;
    advance(&loopEnd);
    const Geo n = loadCur();
    const int ty = blockTop(n);
    line({{sx, sy}, {sx, ty}});
    const bool caseTest = isCaseTest(m_cur);
    if (n.kind == BlockKind::Else || loopEnd || caseTest) {
        // Control never goes down this line: into an else part, past the end
        // of a loop body (the loop's return line starts on it) or into the
        // next branch test of a case.
        if (caseTest) caseExitLine(sx, ty - 10, 0, false, QStringLiteral("Выход"));
        crossMark(sx, ty - 10);
        text(sx - 90, ty - 20, QStringLiteral("Нет перехода"));
        addRow(ConnectionKind::NotFollowed, 0, {sx, sy, sx, ty});
    } else {
        downHead(sx, ty);
        addRow(ConnectionKind::Onward, 0, {sx, sy, sx, ty});
        text(sx + 25, ty - 20, QStringLiteral("Переход"));
    }
}

void Router::routeLabel(const Geo& g)
{
    if (m_colourMode) m_canvas.setPenColour(m_gotoColour);
    const int sx = g.X + g.x5 + g.stretchX;
    const int sy = g.Y + g.y5 + g.stretchY;
    bool loopEnd = false;
    advance(&loopEnd);
    const Geo n = loadCur();
    const int ty = blockTop(n);
    line({{sx, sy}, {sx, ty}});
    // A case branch test after a label gets no exit line into the collector.
    if (n.kind == BlockKind::Else || loopEnd) {
        crossMark(sx, ty - 10);
        addRow(ConnectionKind::NotFollowed, 0, {sx, sy, sx, ty});
        text(sx - 90, ty - 20, QStringLiteral("Нет перехода"));
    } else {
        downHead(sx, ty);
        addRow(ConnectionKind::Onward, m_gotoColour, {sx, sy, sx, ty});
        text(sx + 25, ty - 20, QStringLiteral("Переход"));
    }
}

} // namespace vexoria
