#include "platform/drawing/PainterCanvas.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "platform/drawing/CanvasPainting.h"
#include "platform/drawing/DiagramFont.h"

namespace vexoria {

PainterCanvas::PainterCanvas(QPainter& painter) : m_painter(painter)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void PainterCanvas::prepare()
{
    if (!m_penChanged) return;
    QPen pen = painting::diagramPen(m_pen.penWidth, m_pen.penColour, m_pen.penStyle);
    if (m_keepLinesVisible) {
        const QTransform& t = m_painter.deviceTransform();
        if (pen.widthF() * std::min(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22())) < 1) {
            pen.setCosmetic(true);
            pen.setWidthF(1);
        }
    }
    m_painter.setPen(pen);
    m_painter.setBrush(painting::toQColor(m_pen.brushColour));
    m_penChanged = false;
}

void PainterCanvas::polygon(const std::vector<QPoint>& points)
{
    prepare();
    painting::polygon(m_painter, points);
}

void PainterCanvas::polyline(const std::vector<QPoint>& points)
{
    prepare();
    painting::polyline(m_painter, points);
}

void PainterCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    prepare();
    painting::rectangle(m_painter, x1, y1, x2, y2);
}

void PainterCanvas::roundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    prepare();
    painting::roundRect(m_painter, x1, y1, x2, y2, w, h);
}

void PainterCanvas::fillRect(int x1, int y1, int x2, int y2)
{
    painting::fillRect(m_painter, x1, y1, x2, y2, m_pen.brushColour);
}

void PainterCanvas::textOut(int x, int y, const QString& text)
{
    if (text.isEmpty()) return;
    if (m_onPicture) painting::textOutOnPicture(m_painter, x, y, text, m_pen.brushColour);
    else painting::textOut(m_painter, x, y, text, m_pen.brushColour);
    m_penChanged = true; // the text's black pen is on the painter now
}

int PainterCanvas::textWidth(const QString& text) const { return diagramTextWidth(text); }

} // namespace vexoria
