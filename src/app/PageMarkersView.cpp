#include "app/PageMarkersView.h"

#include <algorithm>
#include <cmath>

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/DiagramView.h"
#include "app/WindowState.h"
#include "pages/PageMarkers.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/DiagramFont.h"

namespace vexoria {

namespace {

constexpr int kLabelHeight = 13;

// A marker's caption, "3-----…": the page number, then the rule. The number
// stands on white, so a break label drawn into the chart where the rule
// meets a line never hides which page this is; the rule stays transparent
// over the chart.
class MarkerLabel : public QLabel {
public:
    MarkerLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

protected:
    void paintEvent(QPaintEvent* e) override
    {
        const QString number = text().section(u'-', 0, 0);
        {
            QPainter p(this);
            p.fillRect(QRect(0, 0, fontMetrics().horizontalAdvance(number) + 1, height()), Qt::white);
        }
        QLabel::paintEvent(e);
    }
};

} // namespace

PageMarkersView::PageMarkersView(Workspace& ws, WindowState& state, DiagramView* image, QWidget* host, QObject* parent)
    : QObject(parent), m_ws(ws), m_state(state), m_image(image), m_host(host)
{
    QFont font = diagramFont();
    for (int k = 1; k <= PageMarkers::kCount; ++k) {
        const PageMarkerRules& rules = PageMarkers::rules(k);
        auto* l = new MarkerLabel(PageMarkers::caption(k), host);
        l->setObjectName(QStringLiteral("List%1").arg(k));
        l->setFont(font);
        l->setStyleSheet(QStringLiteral("color: #FF0000; background: transparent;"));
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setGeometry(rules.left, 0, rules.width, kLabelHeight);
        // A move over a marker without a button re-places the next marker.
        l->setMouseTracking(true);
        l->setCursor(Qt::SizeVerCursor);
        l->hide();
        l->installEventFilter(this);
        m_labels[static_cast<std::size_t>(k - 1)] = l;
    }
}

void PageMarkersView::sync()
{
    const PageMarkers& m = m_ws.pageMarkers;
    const bool picture = m_ws.diagram.hasPicture();
    // Zoomed, a rule still spans the chart and lies on its row; the caption
    // keeps the size of the window's text.
    const double zoom = m_image->zoom();
    for (int k = 1; k <= PageMarkers::kCount; ++k) {
        QLabel* l = label(k);
        const PageMarkerRules& rules = PageMarkers::rules(k);
        const int width = static_cast<int>(std::lround(rules.width * zoom));
        if (l->width() != width) {
            l->resize(width, kLabelHeight);
            l->setText(QString::number(k) +
                       QString(std::max(0, static_cast<int>(std::lround(rules.hyphens * zoom))), u'-'));
        }
        l->move(rules.left, m_image->y() + m_image->toView(QPoint(0, m.offset(k))).y());
        l->setVisible(picture && m.shown(k));
    }
    // The last marker lies on the chart's bottom edge, its label below it:
    // the picture's holder reaches down to it, so the view scrolls that far.
    int bottom = m_image->geometry().bottom() + 1;
    for (int k = 1; k <= PageMarkers::kCount; ++k)
        if (!label(k)->isHidden()) bottom = std::max(bottom, label(k)->geometry().bottom() + 1);
    if (m_host->height() != bottom) m_host->resize(m_host->width(), bottom);
}

void PageMarkersView::showPageMarkers()
{
    vexoria::showPageMarkers(m_ws);
    sync();
}

int PageMarkersView::markerOf(QObject* watched) const
{
    for (int k = 1; k <= PageMarkers::kCount; ++k)
        if (label(k) == watched) return k;
    return 0;
}

bool PageMarkersView::eventFilter(QObject* watched, QEvent* e)
{
    const int k = markerOf(watched);
    if (k == 0) return QObject::eventFilter(watched, e);
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        m_state.draggedMarker = true;
        m_grabY = static_cast<int>(static_cast<QMouseEvent*>(e)->position().y());
        return true;
    case QEvent::MouseMove: {
        const auto* me = static_cast<QMouseEvent*>(e);
        // The pointer as an offset on the diagram: the same wherever the
        // window lies on the screen and however far the view is scrolled.
        // At any zoom the label's top is where the rule's row is on the view.
        const QPointF onView = m_image->mapFromGlobal(me->globalPosition()) - QPointF(0, m_grabY);
        const int pointer = m_image->toChart(onView).y();
        const bool refused = m_ws.pageMarkers.mouseMove(k, pointer, m_ws.diagram.height(), m_state.draggedMarker);
        sync();
        if (refused && m_ws.prompter) m_ws.prompter->message(QStringLiteral("12 страница не обработанна"));
        return true;
    }
    case QEvent::MouseButtonRelease: m_state.draggedMarker = false; return true;
    default: return QObject::eventFilter(watched, e);
    }
}

} // namespace vexoria
