#include "platform/core/PainterCanvas.h"

#include <QPainter>
#include <QPolygon>

#include "platform/core/DiagramFont.h"
#include "platform/core/QImageCanvas.h"

namespace vexoria {

namespace {

QPolygon toPolygon(const std::vector<QPoint>& points)
{
    QPolygon p;
    p.reserve(static_cast<qsizetype>(points.size()));
    for (const QPoint& pt : points) p << pt;
    return p;
}

} // namespace

void PainterCanvas::prepare()
{
    prepareDiagramPainter(m_painter, m_penWidth, m_penColour, m_penStyle, m_brushColour);
}

void PainterCanvas::polygon(const std::vector<QPoint>& points)
{
    if (points.empty()) return;
    prepare();
    m_painter.drawPolygon(toPolygon(points));
}

void PainterCanvas::polyline(const std::vector<QPoint>& points)
{
    if (points.empty()) return;
    prepare();
    m_painter.drawPolyline(toPolygon(points));
}

void PainterCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    prepare();
    m_painter.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)).normalized());
}

void PainterCanvas::roundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    prepare();
    m_painter.drawRoundedRect(QRectF(QPointF(x1, y1), QPointF(x2 - 1, y2 - 1)).normalized(), w / 2.0, h / 2.0,
                              Qt::AbsoluteSize);
}

void PainterCanvas::fillRect(int x1, int y1, int x2, int y2)
{
    m_painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized(), toQColor(m_brushColour));
}

void PainterCanvas::textOut(int x, int y, const QString& text)
{
    if (text.isEmpty()) return;
    const QFontMetrics& fm = diagramFontMetrics();
    m_painter.fillRect(QRect(x, y, diagramTextWidth(text), fm.height()), toQColor(m_brushColour));
    m_painter.setFont(diagramFont());
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPoint(x, y + fm.ascent()), diagramShownText(text));
}

int PainterCanvas::textWidth(const QString& text) const { return diagramTextWidth(text); }

} // namespace vexoria
