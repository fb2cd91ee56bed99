#include "connect/Router.h"

#include <cmath>

#include "tables/StatementTable.h"
#include "tables/ConnectionTable.h"
#include "platform/text/ConversionError.h"

namespace vexoria {

namespace {

QString pairKey(const QString& text, int number) { return text + QLatin1Char('\x1f') + QString::number(number); }

// Templates by Obiect, first row of each (the lookup is exact and
// case-sensitive, as a locate on the template table is).
QHash<QString, Geo> templateIndex(const ShapeTemplateTable& table)
{
    QHash<QString, Geo> out;
    for (const ShapeTemplate& r : table.rows()) {
        const QString key = r.kind.str();
        if (key.isEmpty() || out.contains(key)) continue;
        Geo g;
        g.kind = val(r.n);
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
            m_kind = cur().kind.str();
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
    case kind::Var:
    case kind::Else:
    case kind::Begin:
    case kind::Process:
    case kind::Header:
    case kind::Except: routePlain(g); break;
    case kind::Label: routeLabel(g); break;
    case kind::If:
    case kind::Try: routeCondition(g); break;
    case kind::Case: routeCase(g); break;
    case kind::While: routeWhileFor(g, false); break;
    case kind::For: routeWhileFor(g, true); break;
    case kind::Repeat: routeRepeat(g); break;
    case kind::Until: routeUntil(g); break;
    case kind::With: routeWith(g); break;
    case kind::Goto: routeGoto(g); break;
    case kind::Exit: routeExit(g); break;
    case kind::Break: routeBreak(g); break;
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
        if (loopEndPassed && r.isClosing() && (r.closedKind == "while" || r.closedKind == "for"))
            *loopEndPassed = true;
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
    auto it = m_templates.constFind(r.kind.str());
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
        const QString ob = r.kind.str();
        const QString eo = r.closedKind.str();
        if (r.drawOrder) {
            const QString k = pairKey(ob, *r.drawOrder);
            if (!m_byBlock.contains(k)) m_byBlock.insert(k, i);
        }
        if (!eo.isEmpty() && !m_byClosedKind.contains(eo)) m_byClosedKind.insert(eo, i);
        if (ob == QLatin1String("mylabel") && r.n && !m_labelByN.contains(*r.n)) m_labelByN.insert(*r.n, i);
        if (m_chartEnd < 0 && ob == QLatin1String("end shema")) m_chartEnd = i;
    }
    // The closing index must keep the first row of each key: filled in
    // reverse so that earlier rows overwrite later ones.
    for (int i = count - 1; i >= 0; --i) {
        const StatementRow& r = row(i);
        if (r.link) m_byClosing.insert(pairKey(r.closedKind.str(), *r.link), i);
    }
}

bool Router::findRow(const QHash<QString, int>& index, const QString& key)
{
    auto it = index.constFind(key);
    if (it == index.constEnd()) return false;
    m_cur = *it;
    return true;
}

bool Router::findClosing(const QString& kind, int drawOrder) { return findRow(m_byClosing, pairKey(kind, drawOrder)); }

bool Router::returnTo(const QString& kind, int drawOrder) { return findRow(m_byBlock, pairKey(kind, drawOrder)); }

bool Router::isCaseTest(int index) const { return row(index).text == "case"; }

int Router::enclosingLoop(int closingIndex) const
{
    for (int i = closingIndex + 1; i < size(); ++i) {
        const StatementRow& r = row(i);
        if (r.isBlock()) return -1;
        if (r.isClosing() && (r.closedKind == "while" || r.closedKind == "for") && r.link) {
            const auto it = m_byBlock.constFind(pairKey(r.closedKind.str(), *r.link));
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
    const int rightX = g.kind == kind::For ? g.x3 : g.x4;
    return {centre(g.X + g.x1, g.X + rightX + g.stretchX), blockTop(g) - 10};
}

} // namespace vexoria
