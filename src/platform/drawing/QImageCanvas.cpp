#include "platform/drawing/QImageCanvas.h"

#include <QPainter>

#include "platform/drawing/CanvasPainting.h"
#include "platform/drawing/Diagram.h"
#include "platform/drawing/DiagramFont.h"

namespace vexoria {

bool QImageCanvas::ensurePicture()
{
    if (m_diagram.hasPicture()) return true;
    if (!m_diagram.makeWhiteImage()) return false;
    // A new bitmap comes with a new pen and brush.
    m_pen = PenAndBrush{};
    return true;
}

void QImageCanvas::need()
{
    if (!ensurePicture()) throw PictureError();
}

void QImageCanvas::setPenWidth(int width)
{
    need();
    m_pen.penWidth = width;
    m_diagram.drawing().setPenWidth(width);
}

void QImageCanvas::setPenColour(Colour colour)
{
    need();
    m_pen.penColour = colour;
    m_diagram.drawing().setPenColour(colour);
}

void QImageCanvas::setPenStyle(PenStyle style)
{
    need();
    m_pen.penStyle = style;
    m_diagram.drawing().setPenStyle(style);
}

void QImageCanvas::setBrushColour(Colour colour)
{
    need();
    m_pen.brushColour = colour;
    m_diagram.drawing().setBrushColour(colour);
}

// One painter per call: the image may be removed or replaced between calls.
// Drawn without antialiasing, so lines come out one pixel crisp.
void QImageCanvas::preparePainter(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(painting::diagramPen(m_pen.penWidth, m_pen.penColour, m_pen.penStyle));
    p.setBrush(painting::toQColor(m_pen.brushColour));
}

void QImageCanvas::polygon(const std::vector<QPoint>& points)
{
    need();
    if (points.empty()) return;
    QPainter p(&m_diagram.image());
    preparePainter(p);
    painting::polygon(p, points);
    m_diagram.drawing().polygon(points);
}

void QImageCanvas::polyline(const std::vector<QPoint>& points)
{
    need();
    if (points.empty()) return;
    QPainter p(&m_diagram.image());
    preparePainter(p);
    painting::polyline(p, points);
    m_diagram.drawing().polyline(points);
}

void QImageCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    need();
    QPainter p(&m_diagram.image());
    preparePainter(p);
    painting::rectangle(p, x1, y1, x2, y2);
    m_diagram.drawing().rectangle(x1, y1, x2, y2);
}

void QImageCanvas::roundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    need();
    QPainter p(&m_diagram.image());
    preparePainter(p);
    painting::roundRect(p, x1, y1, x2, y2, w, h);
    m_diagram.drawing().roundRect(x1, y1, x2, y2, w, h);
}

void QImageCanvas::fillRect(int x1, int y1, int x2, int y2)
{
    need();
    QPainter p(&m_diagram.image());
    painting::fillRect(p, x1, y1, x2, y2, m_pen.brushColour);
    m_diagram.drawing().fillRect(x1, y1, x2, y2);
}

void QImageCanvas::textOut(int x, int y, const QString& text)
{
    need();
    if (text.isEmpty()) return;
    QPainter p(&m_diagram.image());
    p.setRenderHint(QPainter::TextAntialiasing, false);
    painting::textOutOnPicture(p, x, y, text, m_pen.brushColour);
    m_diagram.drawing().textOut(x, y, text);
}

int QImageCanvas::textWidth(const QString& text) const { return diagramTextWidth(text); }

} // namespace vexoria
