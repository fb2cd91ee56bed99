#include "app/AppIcon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace vexoria {

QIcon programIcon()
{
    // Drawn here rather than by Qt's SVG icon plug-in, which a desktop may lack.
    QSvgRenderer svg(QStringLiteral(":/vexoria/icons/vexoria.svg"));
    QIcon icon;
    if (!svg.isValid()) return icon;
    for (int size : {16, 22, 32, 48, 64}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace vexoria
