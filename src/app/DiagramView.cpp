#include "app/DiagramView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/drawing/Diagram.h"

namespace vexoria {

DiagramView::DiagramView(const Diagram& diagram, QWidget* parent) : QWidget(parent), m_diagram(diagram)
{
    setObjectName(QStringLiteral("Idiag1"));
    setGeometry(33, 0, Diagram::kWidth, Diagram::kStartHeight);
}

bool DiagramView::hasPicture() const { return m_diagram.hasPicture(); }

void DiagramView::refresh()
{
    // Sized to the picture; without one the view keeps its last size.
    if (m_diagram.hasPicture() && size() != m_diagram.image().size()) resize(m_diagram.image().size());
    update();
}

void DiagramView::paintEvent(QPaintEvent* e)
{
    if (!m_diagram.hasPicture()) return;
    QPainter p(this);
    p.drawImage(e->rect(), m_diagram.image(), e->rect());
    for (const Overlay& overlay : m_overlays) {
        p.save();
        p.setClipRect(e->rect());
        overlay(p, e->rect());
        p.restore();
    }
}

void DiagramView::mousePressEvent(QMouseEvent* e)
{
    emit pressed(e->position().toPoint(), e->button());
    QWidget::mousePressEvent(e);
}

void DiagramView::mouseMoveEvent(QMouseEvent* e)
{
    emit moved(e->position().toPoint());
    QWidget::mouseMoveEvent(e);
}

void DiagramView::mouseReleaseEvent(QMouseEvent* e)
{
    emit released(e->position().toPoint(), e->button());
    QWidget::mouseReleaseEvent(e);
}

void DiagramView::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) emit doubleClicked(e->position().toPoint());
    QWidget::mouseDoubleClickEvent(e);
}

} // namespace vexoria
