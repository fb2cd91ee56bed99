// What every kind of block shares: where lines arrive on a block, the arrow
// heads and the cross mark, the lane stacks, the colour step and the rows of
// the connection table.
#include <vector>

#include "connect/Router.h"
#include "tables/ConnectionTable.h"

namespace vexoria {

int Router::blockTop(const Geo& g) { return g.Y + (g.y1 <= g.y2 ? g.y1 : g.y2); }

// Where a line coming from a left lane ends on a block. A var, header, repeat
// or until block never follows a construct in a well-formed chart; when it
// does, the line ends on the block's own top-left corner (var, header,
// repeat) or left vertex (until).
QPoint Router::leftEntry(const Geo& g) const
{
    switch (g.kind) {
    case BlockKind::Else: return {g.X + g.x1, g.Y + g.y1 + 10};
    case BlockKind::ChartEnd: return {g.X + g.x1, g.Y + g.y1 + 20};
    case BlockKind::Goto:
    case BlockKind::Begin:
    case BlockKind::Process:
    case BlockKind::Label:
    case BlockKind::Break:
    case BlockKind::Exit:
    case BlockKind::Except: return {g.X + g.x1, g.Y + g.y1};
    case BlockKind::While:
    case BlockKind::With: return {g.X + g.x2, g.Y + g.y2};
    case BlockKind::If:
    case BlockKind::For:
    case BlockKind::Try: return {g.X + g.x2 + g.stretchX / 2, g.Y + g.y2};
    case BlockKind::Case: return {g.X + g.x2 - g.stretchX - 50, g.Y + g.y1};
    default: return {g.X + g.x1, g.Y + g.y1}; // var, header, repeat, until
    }
}

// Where a line coming from a right lane ends on a block. For the kinds the
// table has no point for: var and header on the top-right corner, repeat on
// its right corner, until on its right vertex.
QPoint Router::rightEntry(const Geo& g) const
{
    switch (g.kind) {
    case BlockKind::Else: return {g.X + g.x2 + g.stretchX, g.Y + g.y1 + 10};
    case BlockKind::ChartEnd: return {g.X + g.x2 + g.stretchX, g.Y + g.y1 + 20};
    case BlockKind::Begin:
    case BlockKind::Process:
    case BlockKind::Break:
    case BlockKind::Exit:
    case BlockKind::Except:
    case BlockKind::Var:
    case BlockKind::Header: return {g.X + g.x2 + g.stretchX, g.Y + g.y1};
    case BlockKind::While:
    case BlockKind::Goto:
    case BlockKind::With:
    case BlockKind::Label:
    case BlockKind::Until: return {g.X + g.x3 + g.stretchX, g.Y + g.y3};
    case BlockKind::If:
    case BlockKind::For:
    case BlockKind::Try: return {g.X + g.x2 + g.stretchX / 2, g.Y + g.y2};
    case BlockKind::Case: return {g.X + g.x2 - g.stretchX - 50, g.Y + g.y1};
    case BlockKind::Repeat: return {g.X + g.x2, g.Y + g.y2};
    default: return {g.X + g.x2 + g.stretchX, g.Y + g.y1};
    }
}

int Router::bracketEndY(const Geo& g) const
{
    int y = leftEntry(g).y() - 10;
    if (g.kind == BlockKind::Else) y -= 10;
    if (g.kind == BlockKind::ChartEnd) y -= 20;
    return y;
}

void Router::line(std::initializer_list<QPoint> pts) { m_canvas.polyline(std::vector<QPoint>(pts)); }

void Router::downHead(int x, int y) { line({{x + 20, y - 10}, {x, y}, {x - 20, y - 10}}); }
void Router::leftHead(int x, int y) { line({{x + 20, y - 10}, {x, y}, {x + 20, y + 10}}); }
void Router::rightHead(int x, int y) { line({{x - 20, y - 10}, {x, y}, {x - 20, y + 10}}); }

void Router::crossMark(int x, int y)
{
    downHead(x, y);
    line({{x + 20, y + 10}, {x, y}, {x - 20, y + 10}});
}

void Router::text(int x, int y, const QString& s) { m_canvas.textOut(x, y, s); }

void Router::colourStep()
{
    if (!m_colourMode) {
        m_constructColour = 0;
        return;
    }
    BlockPalette& palette = m_in.palette;
    if (palette.next >= 16 || palette.next < 0) palette.next = 0;
    m_canvas.setPenWidth(2);
    m_constructColour = palette.colours[static_cast<std::size_t>(palette.next)];
    m_canvas.setPenColour(m_constructColour);
    ++palette.next;
}

// Exit and break take a palette slot that their row records, but draw black.
Colour Router::takeSlotBlack()
{
    if (!m_colourMode) return 0;
    BlockPalette& palette = m_in.palette;
    if (palette.next >= 16 || palette.next < 0) palette.next = 0;
    m_canvas.setPenColour(kBlack);
    ++palette.next;
    return palette.colours[static_cast<std::size_t>(palette.next - 1)];
}

ConnectionRow& Router::addRow(ConnectionKind kind, Colour colour, std::initializer_list<int> points)
{
    ConnectionRow r;
    r.n = m_connNo;
    r.setConnectionKind(kind);
    r.ownerKind = row(m_owner).kind;
    r.ownerDrawOrder = m_drawOrder;
    r.color = m_colourMode ? static_cast<int>(colour) : 0;
    IntField* fields[] = {&r.x1, &r.y1, &r.x2, &r.y2, &r.x3, &r.y3, &r.x4, &r.y4, &r.x5, &r.y5};
    int i = 0;
    for (int p : points) {
        if (i >= 10) break;
        *fields[i++] = p;
    }
    return m_in.connections.append(std::move(r));
}

// The exit of the last statement of a case branch into the collector lane:
// a thick horizontal line ending on a left head, its label 100 px right of
// the lane. The line form records the line, the label form only the place
// of the label.
void Router::caseExitLine(int fromX, int y, Colour colour, bool labelForm, const QString& label)
{
    m_canvas.setPenWidth(2);
    line({{fromX, y}, {m_exitLane, y}});
    if (!labelForm) addRow(ConnectionKind::CaseExit, colour, {fromX, y, m_exitLane, y});
    leftHead(m_exitLane, y);
    m_canvas.setPenWidth(1);
    text(m_exitLane + 100, y - 18, label);
    if (labelForm) addRow(ConnectionKind::CaseExit, colour, {m_exitLane + 100, y - 15});
}

// Lanes are never given back: a lane stays on its stack, and a later segment
// reuses its x only when it starts below the lane's bottom. The bottom entry
// is the image's edge; it counts as taken all the way down, so the search
// never goes below it.
int Router::allocRight(int startY, int endY)
{
    const int t = static_cast<int>(m_right.size()) - 1;
    int x;
    if (t == 0 || m_right[t].bottom >= startY || endY < startY) {
        // A segment whose end lies above its start has no place among the
        // lanes freed above: it takes a new lane as well.
        x = m_right[t].x - m_laneStep;
    } else {
        int k = t;
        while (k > 0 && m_right[k].bottom < endY) --k;
        x = m_right[k + 1].x;
    }
    m_right.push_back({x, endY});
    return x;
}

int Router::allocLeft(int startY, int endY, bool caseSearch)
{
    const int t = static_cast<int>(m_left.size()) - 1;
    int x;
    if (t == 0 || m_left[t].bottom >= startY || endY < startY) {
        x = m_left[t].x + m_laneStep;
    } else {
        int k = t;
        while (k > 0 && m_left[k].bottom < endY) {
            --k;
            // A case collector on a split chart stops its search at the
            // second lane.
            if (caseSearch && k <= 1 && m_in.part.extraParts > 1) break;
        }
        x = m_left[k + 1].x;
    }
    m_left.push_back({x, endY});
    return x;
}

} // namespace vexoria
