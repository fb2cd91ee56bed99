#include "platform/drawing/BandedReplay.h"

#include <algorithm>

#include "platform/drawing/DisplayList.h"

namespace vexoria {

namespace {

bool axisAligned(QPoint a, QPoint b) { return a.x() == b.x() || a.y() == b.y(); }

} // namespace

void BandedReplay::keepWhole(const DisplayList& list, const DisplayList::Op& op, const Pen& pen)
{
    using Kind = DisplayList::Kind;
    const int room = pen.width + 3;
    std::vector<QPoint> corners;
    switch (op.kind) {
    case Kind::Text:
    case Kind::FillRect: return;
    case Kind::Rect: corners = {QPoint(op.v[0], op.v[1]), QPoint(op.v[2], op.v[3])}; break;
    case Kind::Polyline:
    case Kind::Polygon: {
        const auto from = list.m_points.begin() + op.v[0];
        corners.assign(from, from + op.v[1]);
        bool straight = true;
        for (std::size_t i = 0; i + 1 < corners.size(); ++i) straight &= axisAligned(corners[i], corners[i + 1]);
        if (op.kind == Kind::Polygon && corners.size() > 1) straight &= axisAligned(corners.front(), corners.back());
        if (straight) break;
        [[fallthrough]];
    }
    default: {
        int low = 0;
        int high = 0;
        if (list.span(op, low, high, room)) m_uncut.emplace_back(low, high);
        return;
    }
    }
    if (pen.style != PenStyle::Solid) {
        int low = 0;
        int high = 0;
        if (list.span(op, low, high, room)) m_uncut.emplace_back(low, high);
        return;
    }
    for (const QPoint& p : corners) m_uncut.emplace_back(p.y() - room, p.y() + room);
}

BandedReplay::BandedReplay(const DisplayList& list, int height, int preferredRows)
    : m_list(list), m_height(std::max(0, height))
{
    Pen pen;
    for (std::size_t i = 0; i < list.m_ops.size(); ++i) {
        const DisplayList::Op& op = list.m_ops[i];
        using Kind = DisplayList::Kind;
        switch (op.kind) {
        case Kind::PenWidth: pen.width = op.v[0]; continue;
        case Kind::PenColour: pen.colour = static_cast<Colour>(op.v[0]); continue;
        case Kind::PenStyle: pen.style = static_cast<PenStyle>(op.v[0]); continue;
        case Kind::Brush: pen.brush = static_cast<Colour>(op.v[0]); continue;
        default: break;
        }
        int low = 0;
        int high = 0;
        if (!list.span(op, low, high) || high < 0 || low >= m_height) continue;
        m_shapes.push_back({static_cast<int>(i), pen, std::max(0, low), std::min(m_height - 1, high)});
        keepWhole(list, op, pen);
    }
    cutBands(std::max(1, preferredRows));
    m_bands.resize(m_tops.size());
    for (std::size_t s = 0; s < m_shapes.size(); ++s)
        for (int b = bandOf(m_shapes[s].low), last = bandOf(m_shapes[s].high); b <= last; ++b)
            m_bands[static_cast<std::size_t>(b)].push_back(static_cast<int>(s));
}

void BandedReplay::cutBands(int preferredRows)
{
    // Rows a band may not end on.
    std::vector<std::pair<int, int>>& whole = m_uncut;
    std::sort(whole.begin(), whole.end());
    std::size_t next = 0;
    int reachedTo = -1; // the lowest row of the dashed shapes begun so far
    for (int top = 0; top < m_height;) {
        m_tops.push_back(top);
        int bottom = std::min(m_height, top + preferredRows); // one past the band's last row
        for (;;) {
            while (next < whole.size() && whole[next].first < bottom)
                reachedTo = std::max(reachedTo, whole[next++].second);
            if (reachedTo < bottom || bottom == m_height) break;
            bottom = std::min(m_height, reachedTo + 1);
        }
        top = bottom;
    }
}

int BandedReplay::bandOf(int row) const
{
    const auto it = std::upper_bound(m_tops.begin(), m_tops.end(), row);
    return static_cast<int>(it - m_tops.begin()) - 1;
}

int BandedReplay::bandRows(int band) const
{
    const std::size_t b = static_cast<std::size_t>(band);
    return (b + 1 < m_tops.size() ? m_tops[b + 1] : m_height) - m_tops[b];
}

int BandedReplay::tallestBand() const
{
    int tallest = 0;
    for (int b = 0; b < bandCount(); ++b) tallest = std::max(tallest, bandRows(b));
    return tallest;
}

std::vector<Colour> BandedReplay::colours() const
{
    std::vector<Colour> found;
    const auto note = [&](Colour c) {
        if (std::find(found.begin(), found.end(), c) == found.end()) found.push_back(c);
    };
    Pen last;
    bool first = true;
    for (const Shape& s : m_shapes) {
        if (!first && s.pen.colour == last.colour && s.pen.brush == last.brush) continue;
        note(s.pen.colour);
        note(s.pen.brush);
        last = s.pen;
        first = false;
    }
    return found;
}

void BandedReplay::replay(Canvas& target, int band) const
{
    if (band < 0 || band >= bandCount()) return;
    std::vector<QPoint> points;
    for (const int index : m_bands[static_cast<std::size_t>(band)]) {
        const Shape& s = m_shapes[static_cast<std::size_t>(index)];
        target.setPenWidth(s.pen.width);
        target.setPenColour(s.pen.colour);
        target.setPenStyle(s.pen.style);
        target.setBrushColour(s.pen.brush);
        m_list.play(target, m_list.m_ops[static_cast<std::size_t>(s.op)], points);
    }
}

} // namespace vexoria
