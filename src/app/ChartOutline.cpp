#include "app/ChartOutline.h"

#include <QPainter>

#include "app/DiagramView.h"

namespace vexoria {

ChartOutline::ChartOutline(DiagramView& view, const QColor& colour, std::function<bool()> stillTrue)
    : QObject(&view), m_view(view), m_colour(colour), m_stillTrue(std::move(stillTrue))
{
    view.addOverlay([this](QPainter& p, const QRect&) {
        if (!m_area || !m_view.hasPicture() || !m_stillTrue()) return;
        // Cosmetic: two pixels on screen at any scale of the chart.
        QPen pen(m_colour, 2);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(frameAround(*m_area));
    });
}

void ChartOutline::show(const QRect& area)
{
    if (m_area == area) return;
    m_area = area;
    m_view.update();
}

void ChartOutline::hide()
{
    if (!m_area) return;
    m_area.reset();
    m_view.update();
}

} // namespace vexoria
