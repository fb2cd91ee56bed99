#include "connect/Annotations.h"

#include <algorithm>
#include <vector>

#include "platform/drawing/Canvas.h"

namespace vexoria {

namespace {

// Puts the canvas's pen and brush back when a mark is done, so the marks do
// not change what a later stage draws with.
class KeepPen {
public:
    explicit KeepPen(Canvas& c)
        : m_c(c), m_width(c.penWidth()), m_colour(c.penColour()), m_style(c.penStyle()), m_brush(c.brushColour())
    {
    }
    ~KeepPen()
    {
        m_c.setPenWidth(m_width);
        m_c.setPenColour(m_colour);
        m_c.setPenStyle(m_style);
        m_c.setBrushColour(m_brush);
    }
    KeepPen(const KeepPen&) = delete;
    KeepPen& operator=(const KeepPen&) = delete;

private:
    Canvas& m_c;
    int m_width;
    Colour m_colour;
    PenStyle m_style;
    Colour m_brush;
};

long cross(QPoint o, QPoint a, QPoint b)
{
    return static_cast<long>(a.x() - o.x()) * (b.y() - o.y()) - static_cast<long>(a.y() - o.y()) * (b.x() - o.x());
}

// The convex hull of the points, counter-clockwise (monotone chain).
std::vector<QPoint> hull(std::vector<QPoint> pts)
{
    std::sort(pts.begin(), pts.end(),
              [](QPoint a, QPoint b) { return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y(); });
    std::vector<QPoint> h(2 * pts.size());
    std::size_t k = 0;
    for (const QPoint& p : pts) {
        while (k >= 2 && cross(h[k - 2], h[k - 1], p) <= 0) --k;
        h[k++] = p;
    }
    for (std::size_t i = pts.size() - 1, t = k + 1; i-- > 0;) {
        while (k >= t && cross(h[k - 2], h[k - 1], pts[i]) <= 0) --k;
        h[k++] = pts[i];
    }
    h.resize(k - 1);
    return h;
}

} // namespace

QRect eraserStrip(QPoint at)
{
    return {at.x() - kEraserWidth / 2, at.y() - kEraserHeight / 2, kEraserWidth, kEraserHeight};
}

void drawComment(Canvas& canvas, QPoint at, const QString& text)
{
    if (text.isEmpty()) return;
    const KeepPen keep(canvas);
    canvas.setBrushColour(kWhite);
    canvas.textOut(at.x(), at.y(), text);
}

void eraseStroke(Canvas& canvas, QPoint from, QPoint to)
{
    const KeepPen keep(canvas);
    canvas.setBrushColour(kWhite);
    const QRect a = eraserStrip(from);
    if (from == to) {
        canvas.fillRect(a.left(), a.top(), a.right() + 1, a.bottom() + 1);
        return;
    }
    // The outline is drawn on the corner pixels, so the hull runs through the
    // strips' last pixels, not past them.
    const QRect b = eraserStrip(to);
    canvas.setPenWidth(1);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenColour(kWhite);
    canvas.polygon(hull({a.topLeft(), a.topRight(), a.bottomLeft(), a.bottomRight(), b.topLeft(), b.topRight(),
                         b.bottomLeft(), b.bottomRight()}));
}

} // namespace vexoria
