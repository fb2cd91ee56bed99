#include "connect/Router.h"

#include <cmath>

#include "tables/StatementTable.h"
#include "tables/ConnectionTable.h"
#include "platform/text/ConversionError.h"

namespace vexoria {

namespace {

// A kind and a number (nom or no) as one key.
quint64 pairKey(BlockKind kind, int number)
{
    return (static_cast<quint64>(kind) << 32) | static_cast<quint32>(number);
}

// Templates by Obiect, first row of each (the lookup is exact and
// case-sensitive, as a locate on the template table is).
QHash<int, Geo> templateIndex(const ShapeTemplateTable& table)
{
    QHash<int, Geo> out;
    for (const ShapeTemplate& r : table.rows()) {
        const BlockKind kind = r.blockKind();
        const int key = static_cast<int>(kind);
        if (kind == BlockKind::None || kind == BlockKind::Unknown || out.contains(key)) continue;
        Geo g;
        g.kind = static_cast<BlockKind>(val(r.n));
        g.x1 = val(r.x1), g.x2 = val(r.x2), g.x3 = val(r.x3), g.x4 = val(r.x4), g.x5 = val(r.x5), g.x6 = val(r.x6);
        g.y1 = val(r.y1), g.y2 = val(r.y2), g.y3 = val(r.y3), g.y4 = val(r.y4), g.y5 = val(r.y5), g.y6 = val(r.y6);
        out.insert(key, g);
    }
    return out;
}

} // namespace

int truncHalf(int base, int v) { return static_cast<int>(std::trunc(static_cast<double>(base) + v / 2.0)); }

Router::Router(const RouteInput& in, Canvas& canvas) : m_in(in), m_canvas(canvas) {}

const StatementRow& Router::row(int i) const { return m_in.statements.at(i); }
int Router::size() const { return m_in.statements.size(); }

void Router::resetLanes(int width, int height)
{
    const int room = std::max(1, m_in.blockCount / 2 + 1);
    m_right.clear();
    m_left.clear();
    m_right.reserve(static_cast<std::size_t>(room));
    m_left.reserve(static_cast<std::size_t>(room));
    m_right.push_back({width, height});
    m_left.push_back({0, height});
}

void Router::run()
{
    ConnectionTable& out = m_in.connections;
    StatementTable& table = m_in.statements;
    const ChartPart& part = m_in.part;

    out.open();
    // A spacing that is not an integer ends the stage here, before anything
    // is drawn.
    m_laneStep = toInt(m_in.options.laneSpacing);
    m_in.palette.next = 0;
    m_colourMode = m_in.options.colourMode;
    m_connNo = 0;
    m_exitLane = 0;
    m_gotoOrdinal = 0;
    m_gotoColour = m_repeatColour = m_constructColour = 0;
    m_tpl = Geo{};
    m_templates = templateIndex(m_in.templates);
    resetLanes(m_in.diagram.width(), m_in.diagram.height());
    m_canvas.setPenWidth(1);

    if (!table.isEmpty()) {
        m_cur = std::clamp(table.position(), 0, table.size() - 1);
        const int first = table.find([](const StatementRow& r) { return r.kindIndex && *r.kindIndex == 0; });
        if (first >= 0) m_cur = first;
        auto startAfterCut = [&](int cut) {
            table.setPosition(m_cur);
            table.sortBy([](const StatementRow& r) { return r.kindIndex; });
            m_cur = table.position();
            const int at = table.find([cut](const StatementRow& r) { return r.drawOrder && *r.drawOrder == cut; });
            if (at >= 0) m_cur = at;
            stepOn();
        };
        if (part.number == 2) startAfterCut(part.firstCut);
        if (part.number == 3) startAfterCut(part.secondCut);
        buildIndexes();

        // A part that starts on a closing row, or a chart whose first row with
        // a kind is a closing row (a lone begin-end), would route that row
        // with whatever template was found last, which routes nothing at all:
        // the walk first moves on to the next block row.
        if (!cur().isBlock()) advance();

        for (int pass = 0; pass <= m_in.blockCount; ++pass) {
            cancellationPoint(m_in.control);
            const int drawOrder = val(cur().drawOrder);
            if (part.number == 1 && drawOrder >= part.firstCut + 1) break;
            if (part.number == 2 && part.extraParts > 1 && drawOrder >= part.secondCut + 1) break;
            const Geo g = loadCur();
            m_kind = cur().blockKind();
            m_owner = m_cur;
            m_drawOrder = drawOrder;
            ++m_connNo;
            dispatch(g);
        }
        table.setPosition(m_cur);
    }

    out.sortBy([](const ConnectionRow& r) { return r.n; });
}

void Router::dispatch(const Geo& g)
{
    switch (g.kind) {
    case BlockKind::Var:
    case BlockKind::Else:
    case BlockKind::Begin:
    case BlockKind::Process:
    case BlockKind::Header:
    case BlockKind::Except: routePlain(g); break;
    case BlockKind::Label: routeLabel(g); break;
    case BlockKind::If:
    case BlockKind::Try: routeCondition(g); break;
    case BlockKind::Case: routeCase(g); break;
    case BlockKind::While: routeWhileFor(g, false); break;
    case BlockKind::For: routeWhileFor(g, true); break;
    case BlockKind::Repeat: routeRepeat(g); break;
    case BlockKind::Until: routeUntil(g); break;
    case BlockKind::With: routeWith(g); break;
    case BlockKind::Goto: routeGoto(g); break;
    case BlockKind::Exit: routeExit(g); break;
    case BlockKind::Break: routeBreak(g); break;
    default: break; // the end of the scheme and unknown kinds route nothing
    }
}

bool Router::stepOn()
{
    if (m_cur + 1 >= size()) return false;
    ++m_cur;
    return true;
}

// One row on, then on while the row is no block row; at the end of the table
// it stays on the last row. From a construct's closing row this lands on the
// first block after the construct (the row right after the closing row when
// that is a block): that is where every construct's follower is taken from.
bool Router::advance(bool* loopEndPassed)
{
    auto note = [&] {
        const StatementRow& r = cur();
        if (loopEndPassed && r.closesWhileOrFor()) *loopEndPassed = true;
    };
    if (!stepOn()) return false;
    while (!cur().isBlock()) {
        note();
        if (!stepOn()) return false;
    }
    return true;
}

Geo Router::load(int index)
{
    const StatementRow& r = row(index);
    auto it = m_templates.constFind(static_cast<int>(r.blockKind()));
    if (it != m_templates.constEnd()) m_tpl = *it;
    Geo g = m_tpl;
    g.X = val(r.x);
    g.Y = val(r.y);
    g.stretchX = val(r.stretchX);
    g.stretchY = val(r.stretchY);
    return g;
}

void Router::buildIndexes()
{
    m_byClosing.clear();
    m_byBlock.clear();
    m_byClosedKind.clear();
    m_labelByN.clear();
    m_chartEnd = -1;
    const int count = size();
    for (int i = 0; i < count; ++i) {
        const StatementRow& r = row(i);
        const BlockKind ob = r.blockKind();
        const QString eo = r.closedKind.str();
        if (r.drawOrder) {
            const quint64 k = pairKey(ob, *r.drawOrder);
            if (!m_byBlock.contains(k)) m_byBlock.insert(k, i);
        }
        if (!eo.isEmpty() && !m_byClosedKind.contains(eo)) m_byClosedKind.insert(eo, i);
        if (ob == BlockKind::Label && r.n && !m_labelByN.contains(*r.n)) m_labelByN.insert(*r.n, i);
        if (m_chartEnd < 0 && ob == BlockKind::ChartEnd) m_chartEnd = i;
    }
    // The closing index must keep the first row of each key: filled in
    // reverse so that earlier rows overwrite later ones. A goto's mark names
    // no kind: a goto is never a construct's closing row.
    for (int i = count - 1; i >= 0; --i) {
        const StatementRow& r = row(i);
        const BlockKind closed = r.closedBlockKind();
        if (r.link && closed != BlockKind::Unknown) m_byClosing.insert(pairKey(closed, *r.link), i);
    }
}

bool Router::findClosing(BlockKind kind, int drawOrder) { return findRow(m_byClosing, pairKey(kind, drawOrder)); }

bool Router::returnTo(BlockKind kind, int drawOrder) { return findRow(m_byBlock, pairKey(kind, drawOrder)); }

bool Router::isCaseTest(int index) const { return row(index).isCasePart(); }

int Router::enclosingLoop(int closingIndex) const
{
    for (int i = closingIndex + 1; i < size(); ++i) {
        const StatementRow& r = row(i);
        if (r.isBlock()) return -1;
        if (r.closesWhileOrFor() && r.link) {
            const auto it = m_byBlock.constFind(pairKey(r.closedBlockKind(), *r.link));
            return it == m_byBlock.constEnd() ? -1 : *it;
        }
    }
    return -1;
}

QPoint Router::loopTestTop(int loopIndex)
{
    const Geo keep = m_tpl;
    const Geo g = load(loopIndex);
    m_tpl = keep;
    const int rightX = g.kind == BlockKind::For ? g.x3 : g.x4;
    return {centre(g.X + g.x1, g.X + rightX + g.stretchX), blockTop(g) - 10};
}

} // namespace vexoria
