#include "anim/AnimationOverlay.h"

#include <algorithm>

#include "platform/drawing/Canvas.h"

namespace vexoria {

namespace {

// Room for a pen up to 2 pixels wide with round ends.
constexpr int kPenMargin = 2;

QRect around(std::initializer_list<QPoint> points)
{
    int left = points.begin()->x(), right = left, top = points.begin()->y(), bottom = top;
    for (const QPoint& p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-kPenMargin, -kPenMargin, kPenMargin, kPenMargin);
}

// A connection with no transition: its line and a cross 10 pixels above the
// lower block, made of two chevrons.
void paintCrossMark(Canvas& c, const ConnectionRow& r)
{
    const int x1 = val(r.x1), y1 = val(r.y1), x2 = val(r.x2), y2 = val(r.y2);
    c.polyline({{x1, y1}, {x2, y2}});
    c.polyline({{x2 + 20, y2}, {x2, y2 - 10}, {x2 - 20, y2}});
    c.polyline({{x2 + 20, y2 - 20}, {x2, y2 - 10}, {x2 - 20, y2 - 20}});
}

} // namespace

QRect animationArea(const ConnectionRow& r)
{
    if (!r.shown.on) return {};
    if (r.connectionKind() == ConnectionKind::NotFollowed) {
        const int x2 = val(r.x2), y2 = val(r.y2);
        return around({{val(r.x1), val(r.y1)}, {x2 - 20, y2 - 20}, {x2 + 20, y2}});
    }
    return around({r.shown.a, r.shown.b, r.shown.c});
}

void paintAnimation(Canvas& canvas, const ConnectionTable& connections, const QRect& area, bool colourMode,
                    int firstRow)
{
    canvas.setPenWidth(colourMode ? 2 : 1);
    canvas.setPenStyle(PenStyle::Solid);
    for (int i = std::max(firstRow, 0); i < connections.size(); ++i) {
        const ConnectionRow& r = connections.at(i);
        if (!r.shown.on || !animationArea(r).intersects(area)) continue;
        canvas.setPenColour(r.shown.colour);
        if (r.connectionKind() == ConnectionKind::NotFollowed) {
            paintCrossMark(canvas, r);
        } else {
            canvas.setBrushColour(r.shown.colour);
            canvas.polygon({r.shown.a, r.shown.b, r.shown.c});
        }
    }
}

} // namespace vexoria
