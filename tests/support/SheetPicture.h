#pragma once
// A printed sheet painted into a picture, as a device of `scale` pixels to
// the report pixel shows it: the title band and both page images.
#include <QImage>
#include <QPainter>

#include "pages/Report.h"

namespace vexoria::test {

inline QImage sheetPicture(const ReportSheet& sheet, double scale = 1.0, const QString& title = {})
{
    QImage out(QSize(report::kBandWidth, report::kLeftImage.bottom() + 2) * scale, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.scale(scale, scale);
    paintReportSheet(p, title, sheet);
    return out;
}

// The dark pixels' bounds within `area` (sheet pixels).
inline QRect inkWithin(const QImage& img, const QRect& area)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < 200) ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace vexoria::test
