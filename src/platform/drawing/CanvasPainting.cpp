#include "platform/drawing/CanvasPainting.h"

#include <QPainter>
#include <QPolygon>

#include "platform/drawing/DiagramFont.h"
#include "platform/drawing/DiagramGlyphs.h"

namespace vexoria::painting {

namespace {

QPolygon toPolygon(const std::vector<QPoint>& points)
{
    QPolygon p;
    p.reserve(static_cast<qsizetype>(points.size()));
    for (const QPoint& pt : points) p << pt;
    return p;
}

} // namespace

QColor toQColor(Colour c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QPen diagramPen(int width, Colour colour, PenStyle style)
{
    const int w = width < 1 ? 1 : width;
    QPen pen(QBrush(toQColor(colour)), w, Qt::SolidLine, w == 1 ? Qt::FlatCap : Qt::RoundCap,
             w == 1 ? Qt::MiterJoin : Qt::RoundJoin);
    if (style == PenStyle::Dash) pen.setDashPattern({18, 6});
    else if (style == PenStyle::Dot) pen.setDashPattern({3, 3});
    return pen;
}

void polygon(QPainter& p, const std::vector<QPoint>& points)
{
    if (!points.empty()) p.drawPolygon(toPolygon(points));
}

void polyline(QPainter& p, const std::vector<QPoint>& points)
{
    if (!points.empty()) p.drawPolyline(toPolygon(points));
}

void rectangle(QPainter& p, int x1, int y1, int x2, int y2)
{
    // The outline of a w-wide QRect covers w + 1 pixels; the right and bottom
    // edges are excluded, so the QRect is one pixel smaller.
    p.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)).normalized());
}

void roundRect(QPainter& p, int x1, int y1, int x2, int y2, int w, int h)
{
    // The corner is an ellipse w by h, that is radii of half of each.
    p.drawRoundedRect(QRectF(QPointF(x1, y1), QPointF(x2 - 1, y2 - 1)).normalized(), w / 2.0, h / 2.0,
                      Qt::AbsoluteSize);
}

void fillRect(QPainter& p, int x1, int y1, int x2, int y2, Colour brush)
{
    p.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized(), toQColor(brush));
}

void textOut(QPainter& p, int x, int y, const QString& text, Colour brush)
{
    if (text.isEmpty()) return;
    const QFontMetrics& fm = diagramFontMetrics();
    p.fillRect(QRect(x, y, diagramTextWidth(text), fm.height()), toQColor(brush));
    p.setFont(diagramFont());
    p.setPen(Qt::black);
    p.drawText(QPoint(x, y + fm.ascent()), diagramShownText(text));
}

void textOutOnPicture(QPainter& p, int x, int y, const QString& text, Colour brush)
{
    if (text.isEmpty()) return;
    if (!glyphsCover(text)) {
        textOut(p, x, y, text, brush);
        return;
    }
    p.fillRect(QRect(x, y, diagramTextWidth(text), diagramTextHeight()), toQColor(brush));
    drawGlyphs(p, x, y, text);
}

} // namespace vexoria::painting
