#include "pages/DrawnSheets.h"

#include <algorithm>

#include <QPainter>

#include "platform/core/DisplayList.h"
#include "platform/core/PainterCanvas.h"

namespace vexoria {

namespace {

constexpr int kBothHalves = 2 * report::kImageWidth;

QImage half(const QImage& both, int x0) { return both.copy(x0, 0, report::kImageWidth, both.height()); }

// A band's half stretched to the page image's rows, as bandPicture does.
QImage onPage(const QImage& part, int rows)
{
    QImage out(report::kImageWidth, report::kImageHeight, QImage::Format_RGB32);
    out.fill(Qt::white);
    if (part.isNull()) return out;
    QPainter p(&out);
    p.drawImage(QRect(0, 0, report::kImageWidth, rows), part);
    return out;
}

} // namespace

QImage DrawnSheets::rows(int top, int bottom) const
{
    QImage out(kBothHalves, bottom - top, QImage::Format_RGB32);
    if (out.isNull()) return out;
    out.fill(Qt::white);
    QPainter p(&out);
    p.translate(0, -top);
    // Nothing is drawn past the picture's edges on the picture either.
    p.setClipRect(QRect(QPoint(0, 0), m_chart));
    p.setRenderHint(QPainter::TextAntialiasing, false);
    PainterCanvas canvas(p);
    m_drawing.replay(canvas, top, bottom);
    return out;
}

ReportSheet DrawnSheets::pagedSheet(const PageBand& b) const
{
    ReportSheet s;
    s.pageNumber = b.page;
    // A marker dragged above the one before it leaves a band of no rows:
    // that page stays blank.
    if (b.bottom <= b.top || b.rows <= 0) {
        s.left = s.right = onPage(QImage(), 0);
        return s;
    }
    const QImage both = rows(b.top, b.bottom);
    s.left = onPage(both.isNull() ? QImage() : half(both, 0), b.rows);
    s.right = onPage(both.isNull() ? QImage() : half(both, report::kImageWidth), b.rows);
    return s;
}

QImage DrawnSheets::squeezed(int height) const
{
    const int h = m_chart.height();
    if (height >= h) return rows(0, h);
    QImage out(kBothHalves, height, QImage::Format_RGB32);
    if (out.isNull()) return out;
    out.fill(Qt::white);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // A page of rows at a time, each made smaller into its place.
    const double scale = double(height) / h;
    for (int top = 0; top < h; top += report::kImageHeight) {
        const int bottom = std::min(h, top + report::kImageHeight);
        p.drawImage(QRectF(0, top * scale, kBothHalves, (bottom - top) * scale), rows(top, bottom));
    }
    return out;
}

ReportSheet DrawnSheets::oneSheet() const
{
    ReportSheet s;
    if (m_chart.height() <= 0) return s;
    const QImage both = squeezed(std::min(m_chart.height(), kMaxSqueezedRows));
    if (both.isNull()) return s;
    s.left = half(both, 0);
    s.right = half(both, report::kImageWidth);
    return s;
}

} // namespace vexoria
