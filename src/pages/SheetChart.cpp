#include "pages/SheetChart.h"

#include <algorithm>

#include <QPainter>

#include "pages/Report.h"
#include "platform/drawing/Diagram.h"
#include "platform/drawing/DisplayList.h"
#include "platform/drawing/PainterCanvas.h"

namespace vexoria {

namespace {

constexpr int kHalf = report::kImageWidth;

} // namespace

SheetChart::SheetChart(std::shared_ptr<const DisplayList> drawing, QSize chart)
    : m_drawing(std::move(drawing)), m_size(chart)
{
}

SheetChart::SheetChart(const QImage& picture) : m_picture(picture), m_size(picture.size()) {}

std::shared_ptr<const SheetChart> SheetChart::of(const Diagram& diagram)
{
    if (diagram.isOpenedPicture() || diagram.drawing().isEmpty()) return std::make_shared<SheetChart>(diagram.image());
    return std::make_shared<SheetChart>(std::make_shared<DisplayList>(diagram.drawing()),
                                        QSize(diagram.width(), diagram.height()));
}

void SheetChart::paintHalf(QPainter& p, int x0, int top, int bottom, const QRectF& into, const QRect& image) const
{
    const QRect rows = QRect(x0, top, kHalf, bottom - top) & QRect(QPoint(0, 0), m_size);
    if (rows.isEmpty() || into.isEmpty()) return;
    p.save();
    p.setClipRect(image, Qt::IntersectClip);
    p.translate(into.topLeft());
    p.scale(into.width() / kHalf, into.height() / (bottom - top));
    p.translate(-x0, -top);
    // Nothing is drawn past the chart's edges, nor past the half.
    p.setClipRect(rows, Qt::IntersectClip);
    if (m_drawing) {
        // A one-pixel line of the picture covers the pixel right of and
        // below its coordinates; about half a pixel across and down puts the
        // drawn line there too. Just under half: a device of one pixel to
        // the report pixel (a preview at its full size) then rounds the line
        // onto the picture's own pixel, not onto the next.
        p.translate(0.45, 0.45);
        PainterCanvas canvas(p);
        canvas.keepLinesVisible();
        m_drawing->replay(canvas, top, bottom);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        // Only the band's own pixels go to the device: a PDF page holds its
        // part of the picture, not the whole of it. A picture made smaller
        // is first averaged down to report pixels, so that every thin line
        // leaves its grey trace instead of falling between the pixels a
        // scaled drawing takes.
        const QSize onSheet(qMax(1, qRound(rows.width() * into.width() / kHalf)),
                            qMax(1, qRound(rows.height() * into.height() / (bottom - top))));
        if (onSheet.height() < rows.height() || onSheet.width() < rows.width()) {
            const QImage part = rows == m_picture.rect() ? m_picture : m_picture.copy(rows);
            p.drawImage(QRectF(rows), part.scaled(onSheet, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        } else p.drawImage(QRectF(rows), m_picture, rows);
    }
    p.restore();
}

void SheetChart::paintBand(QPainter& p, const PageBand& b) const
{
    // A marker dragged above the one before it leaves a band of no rows:
    // that page stays blank.
    if (b.bottom <= b.top || b.rows <= 0) return;
    const QRectF left(report::kLeftImage.left(), report::kLeftImage.top(), kHalf, b.rows);
    const QRectF right(report::kRightImage.left(), report::kRightImage.top(), kHalf, b.rows);
    paintHalf(p, 0, b.top, b.bottom, left, report::kLeftImage);
    paintHalf(p, kHalf, b.top, b.bottom, right, report::kRightImage);
}

QRectF SheetChart::wholeLeftHalf() const
{
    const double h = std::max(1, m_size.height());
    const double scale = std::min(1.0, report::kImageHeight / h);
    const double width = kHalf * scale;
    const double height = h * scale;
    // The halves meet where they meet on a paged sheet, so the chart is
    // centred across both page images, and centred down.
    return QRectF(report::kLeftImage.right() + 1 - width,
                  report::kLeftImage.top() + (report::kImageHeight - height) / 2, width, height);
}

void SheetChart::paintWhole(QPainter& p) const
{
    if (m_size.height() <= 0) return;
    const QRectF left = wholeLeftHalf();
    const QRectF right(report::kRightImage.left(), left.top(), left.width(), left.height());
    paintHalf(p, 0, 0, m_size.height(), left, report::kLeftImage);
    paintHalf(p, kHalf, 0, m_size.height(), right, report::kRightImage);
}

} // namespace vexoria
