#include "app/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vexoria {

namespace {

QPixmap drawIcon(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const QPen outline(QColor(0x20, 0x30, 0x60), 2);
    p.setPen(outline);
    // The start block, the arrow down, and the decision.
    p.setBrush(QColor(0xFF, 0xF0, 0xA0));
    p.drawRoundedRect(QRectF(6, 1.5, 20, 8), 4, 4);
    p.drawLine(QPointF(16, 9.5), QPointF(16, 14));
    p.setBrush(QColor(0xA0, 0xD0, 0xFF));
    QPainterPath diamond;
    diamond.moveTo(16, 14);
    diamond.lineTo(29, 22);
    diamond.lineTo(16, 30);
    diamond.lineTo(3, 22);
    diamond.closeSubpath();
    p.drawPath(diamond);
    return pm;
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(drawIcon(16));
    icon.addPixmap(drawIcon(32));
    return icon;
}

} // namespace vexoria
