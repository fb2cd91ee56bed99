#include "platform/drawing/ScaledPainterCanvas.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "platform/drawing/CanvasPainting.h"
#include "platform/drawing/DiagramFont.h"

namespace vexoria {

ScaledPainterCanvas::ScaledPainterCanvas(QPainter& painter) : m_painter(painter), m_font(diagramFont())
{
    const QTransform& t = painter.deviceTransform();
    m_scale = std::min(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    if (m_scale <= 0) m_scale = 1;
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    // The bitmap's text is unsmoothed to stay one pixel crisp; scaled, the
    // outlines come out sharper smoothed.
    m_font.setStyleStrategy(QFont::PreferAntialias);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void ScaledPainterCanvas::prepare()
{
    if (!m_penChanged) return;
    QPen pen = painting::diagramPen(m_pen.penWidth, m_pen.penColour, m_pen.penStyle);
    m_coversPixels =
        m_scale > 1 && m_pen.penWidth <= 1 && m_pen.penColour == kWhite && m_pen.penStyle == PenStyle::Solid;
    if (m_coversPixels) {
        // A square one chart pixel wide, moved half a pixel (outlined()),
        // lies on the pixel a line of the bitmap paints.
        pen.setCapStyle(Qt::SquareCap);
    } else if (pen.widthF() <= 1 || pen.widthF() * m_scale < 1) {
        // A dash pattern is counted in pen widths: for a one-device-pixel
        // pen its lengths grow with the scale, so dashes keep their length
        // on the chart.
        const QList<qreal> dashes = pen.style() == Qt::CustomDashLine ? pen.dashPattern() : QList<qreal>{};
        const qreal chartWidth = pen.widthF();
        pen.setCosmetic(true);
        pen.setWidthF(1);
        if (!dashes.isEmpty()) {
            QList<qreal> scaled;
            for (const qreal d : dashes) scaled.append(std::max<qreal>(1, d * chartWidth * m_scale));
            pen.setDashPattern(scaled);
        }
    }
    m_painter.setPen(pen);
    m_painter.setBrush(painting::toQColor(m_pen.brushColour));
    m_penChanged = false;
}

template <class Draw>
void ScaledPainterCanvas::outlined(Draw draw)
{
    prepare();
    if (!m_coversPixels) {
        draw();
        return;
    }
    m_painter.translate(0.5, 0.5);
    draw();
    m_painter.translate(-0.5, -0.5);
}

void ScaledPainterCanvas::polygon(const std::vector<QPoint>& points)
{
    outlined([&] { painting::polygon(m_painter, points); });
}

void ScaledPainterCanvas::polyline(const std::vector<QPoint>& points)
{
    outlined([&] { painting::polyline(m_painter, points); });
}

void ScaledPainterCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    outlined([&] { painting::rectangle(m_painter, x1, y1, x2, y2); });
}

void ScaledPainterCanvas::roundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    outlined([&] { painting::roundRect(m_painter, x1, y1, x2, y2, w, h); });
}

void ScaledPainterCanvas::fillRect(int x1, int y1, int x2, int y2)
{
    painting::fillRect(m_painter, x1, y1, x2, y2, m_pen.brushColour);
}

void ScaledPainterCanvas::textOut(int x, int y, const QString& text)
{
    if (text.isEmpty()) return;
    const QFontMetrics& fm = diagramFontMetrics();
    m_painter.fillRect(QRect(x, y, diagramTextWidth(text), fm.height()), painting::toQColor(m_pen.brushColour));
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPoint(x, y + fm.ascent()), diagramShownText(text));
    m_penChanged = true; // the text's black pen is on the painter now
}

int ScaledPainterCanvas::textWidth(const QString& text) const { return diagramTextWidth(text); }

} // namespace vexoria
