#include "platform/core/QImageCanvas.h"

#include <QPainter>
#include <QPolygon>

#include "platform/core/Diagram.h"
#include "platform/core/DiagramFont.h"

namespace vexoria {

QColor toQColor(Colour c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

void prepareDiagramPainter(QPainter& p, int penWidth, Colour pen, PenStyle style, Colour brush)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    const int width = penWidth < 1 ? 1 : penWidth;
    QPen qpen(QBrush(toQColor(pen)), width, Qt::SolidLine, width == 1 ? Qt::FlatCap : Qt::RoundCap,
              width == 1 ? Qt::MiterJoin : Qt::RoundJoin);
    if (style == PenStyle::Dash) qpen.setDashPattern({18, 6});
    else if (style == PenStyle::Dot) qpen.setDashPattern({3, 3});
    p.setPen(qpen);
    p.setBrush(toQColor(brush));
}

namespace {

QPolygon toPolygon(const std::vector<QPoint>& points)
{
    QPolygon p;
    p.reserve(static_cast<qsizetype>(points.size()));
    for (const QPoint& pt : points) p << pt;
    return p;
}

} // namespace

bool QImageCanvas::ensurePicture()
{
    if (m_diagram.hasPicture()) return true;
    if (!m_diagram.makeWhiteImage()) return false;
    // A new bitmap comes with a new pen and brush.
    m_penWidth = 1;
    m_penColour = kBlack;
    m_penStyle = PenStyle::Solid;
    m_brushColour = kWhite;
    return true;
}

void QImageCanvas::need()
{
    if (!ensurePicture()) throw PictureError();
}

void QImageCanvas::setPenWidth(int width)
{
    need();
    m_penWidth = width;
}

void QImageCanvas::setPenColour(Colour colour)
{
    need();
    m_penColour = colour;
}

void QImageCanvas::setPenStyle(PenStyle style)
{
    need();
    m_penStyle = style;
}

void QImageCanvas::setBrushColour(Colour colour)
{
    need();
    m_brushColour = colour;
}

// One painter per call: the image may be removed or replaced between calls.
// The pen follows the bitmap canvas the chart was drawn for.
void QImageCanvas::preparePainter(QPainter& p) const
{
    prepareDiagramPainter(p, m_penWidth, m_penColour, m_penStyle, m_brushColour);
}

void QImageCanvas::polygon(const std::vector<QPoint>& points)
{
    need();
    if (points.empty()) return;
    QPainter p(&m_diagram.image());
    preparePainter(p);
    p.drawPolygon(toPolygon(points));
}

void QImageCanvas::polyline(const std::vector<QPoint>& points)
{
    need();
    if (points.empty()) return;
    QPainter p(&m_diagram.image());
    preparePainter(p);
    p.drawPolyline(toPolygon(points));
}

void QImageCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    need();
    QPainter p(&m_diagram.image());
    preparePainter(p);
    // The outline of a w-wide QRect covers w + 1 pixels; the right and bottom
    // edges are excluded, so the QRect is one pixel smaller.
    p.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)).normalized());
}

void QImageCanvas::roundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    need();
    QPainter p(&m_diagram.image());
    preparePainter(p);
    // The corner is an ellipse w by h, that is radii of half of each.
    p.drawRoundedRect(QRectF(QPointF(x1, y1), QPointF(x2 - 1, y2 - 1)).normalized(), w / 2.0, h / 2.0,
                      Qt::AbsoluteSize);
}

void QImageCanvas::fillRect(int x1, int y1, int x2, int y2)
{
    need();
    QPainter p(&m_diagram.image());
    p.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized(), toQColor(m_brushColour));
}

void QImageCanvas::textOut(int x, int y, const QString& text)
{
    need();
    if (text.isEmpty()) return;
    const QFontMetrics& fm = diagramFontMetrics();
    QPainter p(&m_diagram.image());
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.fillRect(QRect(x, y, diagramTextWidth(text), fm.height()), toQColor(m_brushColour));
    p.setFont(diagramFont());
    p.setPen(Qt::black);
    p.drawText(QPoint(x, y + fm.ascent()), diagramShownText(text));
}

int QImageCanvas::textWidth(const QString& text) const { return diagramTextWidth(text); }

} // namespace vexoria
