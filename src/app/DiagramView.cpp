#include "app/DiagramView.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/drawing/Diagram.h"
#include "platform/drawing/ScaledPainterCanvas.h"

namespace vexoria {

DiagramView::DiagramView(const Diagram& diagram, QWidget* parent) : QWidget(parent), m_diagram(diagram)
{
    setObjectName(QStringLiteral("Idiag1"));
    setGeometry(33, 0, Diagram::kWidth, Diagram::kStartHeight);
}

bool DiagramView::hasPicture() const { return m_diagram.hasPicture(); }

QSize DiagramView::zoomedSize() const
{
    const QSize picture = m_diagram.image().size();
    return {static_cast<int>(std::ceil(picture.width() * m_zoom)),
            static_cast<int>(std::ceil(picture.height() * m_zoom))};
}

void DiagramView::refresh()
{
    // Sized to the picture; without one the view keeps its last size.
    if (m_diagram.hasPicture() && size() != zoomedSize()) resize(zoomedSize());
    m_rowsRemovals = -1; // a command may have replaced the drawing
    update();
}

void DiagramView::setZoom(double zoom)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == m_zoom) return;
    if (m_diagram.hasPicture()) {
        m_zoom = zoom;
        resize(zoomedSize());
    } else {
        // Without a picture the view keeps the area it stands for.
        const QSizeF chart = QSizeF(size()) / m_zoom;
        m_zoom = zoom;
        resize(static_cast<int>(std::ceil(chart.width() * zoom)), static_cast<int>(std::ceil(chart.height() * zoom)));
    }
    update();
}

QPoint DiagramView::toChart(QPointF onView) const
{
    return {static_cast<int>(std::floor(onView.x() / m_zoom)), static_cast<int>(std::floor(onView.y() / m_zoom))};
}

QRect DiagramView::toChart(const QRect& onView) const
{
    const QPoint topLeft = toChart(QPointF(onView.topLeft()));
    const QPoint bottomRight = toChart(QPointF(onView.right() + 1, onView.bottom() + 1) - QPointF(1e-9, 1e-9));
    return QRect(topLeft, bottomRight);
}

QPoint DiagramView::toView(QPoint onChart) const
{
    return {static_cast<int>(std::floor(onChart.x() * m_zoom)), static_cast<int>(std::floor(onChart.y() * m_zoom))};
}

QRect DiagramView::toView(const QRect& onChart) const
{
    const QPoint topLeft = toView(onChart.topLeft());
    const QPoint end(static_cast<int>(std::ceil((onChart.right() + 1) * m_zoom)),
                     static_cast<int>(std::ceil((onChart.bottom() + 1) * m_zoom)));
    return QRect(topLeft, end - QPoint(1, 1));
}

bool DiagramView::drawsFromDrawing() const
{
    if (m_diagram.isOpenedPicture() || m_diagram.drawing().isEmpty()) return false;
    return m_zoom != 1.0 || devicePixelRatioF() != 1.0;
}

const RowIndexedDrawing& DiagramView::rows() const
{
    const DisplayList& drawing = m_diagram.drawing();
    if (m_rowsRemovals != m_diagram.removals() || m_rowsItems != drawing.itemCount()) {
        m_rows.rebuild(drawing);
        m_rowsRemovals = m_diagram.removals();
        m_rowsItems = drawing.itemCount();
    }
    return m_rows;
}

void DiagramView::paintEvent(QPaintEvent* e)
{
    if (!m_diagram.hasPicture()) return;
    QPainter p(this);
    const QRect exposed = e->rect();
    const QRect picture(QPoint(0, 0), m_diagram.image().size());
    const QRect area = toChart(exposed).intersected(picture);
    if (m_zoom == 1.0 && !drawsFromDrawing()) {
        p.drawImage(exposed, m_diagram.image(), exposed);
    } else if (!area.isEmpty()) {
        p.save();
        p.setClipRect(exposed);
        p.scale(m_zoom, m_zoom);
        if (drawsFromDrawing()) {
            // The chart's white, then its shapes in the order they were
            // drawn: comments and the eraser's white come last, over it.
            p.fillRect(area, Qt::white);
            ScaledPainterCanvas canvas(p);
            rows().replay(canvas, area);
        } else {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRectF(area), m_diagram.image(), QRectF(area));
        }
        p.restore();
    }
    for (const Overlay& overlay : m_overlays) {
        p.save();
        p.setClipRect(exposed);
        p.scale(m_zoom, m_zoom);
        overlay(p, toChart(exposed));
        p.restore();
    }
}

void DiagramView::mousePressEvent(QMouseEvent* e)
{
    emit pressed(toChart(e->position()), e->button());
    QWidget::mousePressEvent(e);
}

void DiagramView::mouseMoveEvent(QMouseEvent* e)
{
    emit moved(toChart(e->position()));
    QWidget::mouseMoveEvent(e);
}

void DiagramView::mouseReleaseEvent(QMouseEvent* e)
{
    emit released(toChart(e->position()), e->button());
    QWidget::mouseReleaseEvent(e);
}

void DiagramView::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) emit doubleClicked(toChart(e->position()));
    QWidget::mouseDoubleClickEvent(e);
}

} // namespace vexoria
