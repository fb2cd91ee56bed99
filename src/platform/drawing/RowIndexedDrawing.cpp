#include "platform/drawing/RowIndexedDrawing.h"

#include <algorithm>

#include "platform/drawing/DiagramFont.h"
#include "platform/drawing/DisplayList.h"

namespace vexoria {

namespace {

// Text glyphs of the diagram font may reach a little past their cell.
constexpr int kTextReach = 4;

} // namespace

void RowIndexedDrawing::clear()
{
    m_shapes.clear();
    m_points.clear();
    m_texts.clear();
    m_buckets.clear();
    m_pen = PenAndBrush{};
}

void RowIndexedDrawing::rebuild(const DisplayList& list)
{
    clear();
    list.replay(*this);
}

void RowIndexedDrawing::add(Kind kind, int low, int high, std::initializer_list<int> values)
{
    Shape s{kind, m_pen, std::max(0, low), high, {}};
    std::copy(values.begin(), values.end(), s.v);
    if (high < 0) return; // wholly above the chart: never on screen
    const int index = static_cast<int>(m_shapes.size());
    m_shapes.push_back(s);
    const std::size_t last = static_cast<std::size_t>(high / kBucketRows);
    if (m_buckets.size() <= last) m_buckets.resize(last + 1);
    for (std::size_t b = static_cast<std::size_t>(s.low / kBucketRows); b <= last; ++b) m_buckets[b].push_back(index);
}

void RowIndexedDrawing::addPoints(Kind kind, const std::vector<QPoint>& points)
{
    if (points.empty()) return;
    const auto [low, high] =
        std::minmax_element(points.begin(), points.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    const int reach = penReach();
    add(kind, low->y() - reach, high->y() + reach,
        {static_cast<int>(m_points.size()), static_cast<int>(points.size())});
    m_points.insert(m_points.end(), points.begin(), points.end());
}

void RowIndexedDrawing::polygon(const std::vector<QPoint>& points) { addPoints(Kind::Polygon, points); }
void RowIndexedDrawing::polyline(const std::vector<QPoint>& points) { addPoints(Kind::Polyline, points); }

void RowIndexedDrawing::rectangle(int x1, int y1, int x2, int y2)
{
    add(Kind::Rect, std::min(y1, y2) - penReach(), std::max(y1, y2) + penReach(), {x1, y1, x2, y2});
}

void RowIndexedDrawing::roundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    add(Kind::RoundRect, std::min(y1, y2) - penReach(), std::max(y1, y2) + penReach(), {x1, y1, x2, y2, w, h});
}

void RowIndexedDrawing::fillRect(int x1, int y1, int x2, int y2)
{
    add(Kind::FillRect, std::min(y1, y2), std::max(y1, y2), {x1, y1, x2, y2});
}

void RowIndexedDrawing::textOut(int x, int y, const QString& text)
{
    if (text.isEmpty()) return;
    add(Kind::Text, y - kTextReach, y + diagramFontMetrics().height() + kTextReach,
        {x, y, static_cast<int>(m_texts.size())});
    m_texts.append(text);
}

int RowIndexedDrawing::textWidth(const QString& text) const { return diagramTextWidth(text); }

std::vector<int> RowIndexedDrawing::shapesIn(int top, int bottom) const
{
    std::vector<int> found;
    if (m_buckets.empty() || bottom < 0 || bottom < top) return found;
    const std::size_t first = static_cast<std::size_t>(std::max(0, top) / kBucketRows);
    const std::size_t last = std::min(m_buckets.size() - 1, static_cast<std::size_t>(bottom / kBucketRows));
    for (std::size_t b = first; b <= last; ++b)
        for (const int index : m_buckets[b]) {
            const Shape& s = m_shapes[static_cast<std::size_t>(index)];
            if (s.high >= top && s.low <= bottom) found.push_back(index);
        }
    // A shape filed in several buckets is met once per bucket.
    if (first != last) {
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
    }
    return found;
}

void RowIndexedDrawing::play(Canvas& target, const Shape& s) const
{
    const auto points = [&] {
        const auto from = m_points.begin() + s.v[0];
        return std::vector<QPoint>(from, from + s.v[1]);
    };
    switch (s.kind) {
    case Kind::Polygon: target.polygon(points()); break;
    case Kind::Polyline: target.polyline(points()); break;
    case Kind::Rect: target.rectangle(s.v[0], s.v[1], s.v[2], s.v[3]); break;
    case Kind::RoundRect: target.roundRect(s.v[0], s.v[1], s.v[2], s.v[3], s.v[4], s.v[5]); break;
    case Kind::FillRect: target.fillRect(s.v[0], s.v[1], s.v[2], s.v[3]); break;
    case Kind::Text: target.textOut(s.v[0], s.v[1], m_texts[s.v[2]]); break;
    }
}

void RowIndexedDrawing::replay(Canvas& target, const QRect& area) const
{
    for (const int index : shapesIn(area.top(), area.bottom())) {
        const Shape& s = m_shapes[static_cast<std::size_t>(index)];
        target.setPenWidth(s.pen.penWidth);
        target.setPenColour(s.pen.penColour);
        target.setPenStyle(s.pen.penStyle);
        target.setBrushColour(s.pen.brushColour);
        play(target, s);
    }
}

} // namespace vexoria
