#include "platform/drawing/DisplayList.h"

#include <algorithm>

#include "platform/drawing/Diagram.h"
#include "platform/drawing/DiagramFont.h"

namespace vexoria {

DisplayList::DisplayList(const Diagram* diagram) : m_diagram(diagram), m_removals(diagram ? diagram->removals() : 0) {}

void DisplayList::bindTo(const Diagram* diagram)
{
    m_diagram = diagram;
    m_removals = diagram ? diagram->removals() : 0;
}

void DisplayList::clear()
{
    m_ops.clear();
    m_points.clear();
    m_texts.clear();
    m_pen = PenAndBrush{};
}

void DisplayList::follow()
{
    if (!m_diagram || m_diagram->removals() == m_removals) return;
    m_removals = m_diagram->removals();
    clear();
}

void DisplayList::add(Kind kind, std::initializer_list<int> values)
{
    Op op{kind, {}};
    std::copy(values.begin(), values.end(), op.v);
    m_ops.push_back(op);
}

void DisplayList::addPoints(Kind kind, const std::vector<QPoint>& points)
{
    add(kind, {static_cast<int>(m_points.size()), static_cast<int>(points.size())});
    m_points.insert(m_points.end(), points.begin(), points.end());
}

void DisplayList::setPenWidth(int width)
{
    follow();
    m_pen.penWidth = width;
    add(Kind::PenWidth, {width});
}

void DisplayList::setPenColour(Colour colour)
{
    follow();
    m_pen.penColour = colour;
    add(Kind::PenColour, {static_cast<int>(colour)});
}

void DisplayList::setPenStyle(PenStyle style)
{
    follow();
    m_pen.penStyle = style;
    add(Kind::PenStyle, {static_cast<int>(style)});
}

void DisplayList::setBrushColour(Colour colour)
{
    follow();
    m_pen.brushColour = colour;
    add(Kind::Brush, {static_cast<int>(colour)});
}

void DisplayList::polygon(const std::vector<QPoint>& points)
{
    follow();
    addPoints(Kind::Polygon, points);
}

void DisplayList::polyline(const std::vector<QPoint>& points)
{
    follow();
    addPoints(Kind::Polyline, points);
}

void DisplayList::rectangle(int x1, int y1, int x2, int y2)
{
    follow();
    add(Kind::Rect, {x1, y1, x2, y2});
}

void DisplayList::roundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    follow();
    add(Kind::RoundRect, {x1, y1, x2, y2, w, h});
}

void DisplayList::fillRect(int x1, int y1, int x2, int y2)
{
    follow();
    add(Kind::FillRect, {x1, y1, x2, y2});
}

void DisplayList::textOut(int x, int y, const QString& text)
{
    follow();
    add(Kind::Text, {x, y, static_cast<int>(m_texts.size())});
    m_texts << text;
}

int DisplayList::textWidth(const QString& text) const { return diagramTextWidth(text); }

void DisplayList::replay(Canvas& target) const { replayOps(target, always, 0, 0); }

void DisplayList::replay(Canvas& target, int top, int bottom) const { replayOps(target, reaches, top, bottom); }

bool DisplayList::span(const Op& op, int& low, int& high, int reach) const
{
    const int* v = op.v;
    switch (op.kind) {
    case Kind::Polygon:
    case Kind::Polyline: {
        if (v[1] == 0) return false;
        const auto from = m_points.begin() + v[0];
        const auto [lo, hi] = std::minmax_element(from, from + v[1], [](QPoint a, QPoint b) { return a.y() < b.y(); });
        low = lo->y();
        high = hi->y();
        break;
    }
    case Kind::Rect:
    case Kind::RoundRect:
    case Kind::FillRect:
        low = std::min(v[1], v[3]);
        high = std::max(v[1], v[3]);
        break;
    case Kind::Text: low = high = v[1]; break;
    default: return false; // pens and brushes
    }
    low -= reach;
    high += reach;
    return true;
}

bool DisplayList::reaches(const DisplayList& list, const Op& op, int top, int bottom)
{
    int low = 0;
    int high = 0;
    if (!list.span(op, low, high)) return !isShape(op);
    return high >= top && low < bottom;
}

void DisplayList::play(Canvas& target, const Op& op, std::vector<QPoint>& points) const
{
    const auto pointsOf = [&](const Op& o) -> const std::vector<QPoint>& {
        const auto from = m_points.begin() + o.v[0];
        points.assign(from, from + o.v[1]);
        return points;
    };
    const int* v = op.v;
    switch (op.kind) {
    case Kind::PenWidth: target.setPenWidth(v[0]); break;
    case Kind::PenColour: target.setPenColour(static_cast<Colour>(v[0])); break;
    case Kind::PenStyle: target.setPenStyle(static_cast<PenStyle>(v[0])); break;
    case Kind::Brush: target.setBrushColour(static_cast<Colour>(v[0])); break;
    case Kind::Polygon: target.polygon(pointsOf(op)); break;
    case Kind::Polyline: target.polyline(pointsOf(op)); break;
    case Kind::Rect: target.rectangle(v[0], v[1], v[2], v[3]); break;
    case Kind::RoundRect: target.roundRect(v[0], v[1], v[2], v[3], v[4], v[5]); break;
    case Kind::FillRect: target.fillRect(v[0], v[1], v[2], v[3]); break;
    case Kind::Text: target.textOut(v[0], v[1], m_texts[v[2]]); break;
    }
}

void DisplayList::replayOps(Canvas& target, bool within(const DisplayList&, const Op&, int, int), int top,
                            int bottom) const
{
    std::vector<QPoint> points;
    for (const Op& op : m_ops)
        if (within(*this, op, top, bottom)) play(target, op, points);
}

} // namespace vexoria
