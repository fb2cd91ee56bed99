#include "app/DiagramTab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "app/DiagramView.h"
#include "app/PageMarkersView.h"
#include "pipeline/Workspace.h"

namespace vexoria {

namespace {

// The zooms the keys and the wheel step through, in percent.
constexpr std::array<int, 17> kZoomSteps{10, 25, 33, 50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300, 350, 400};

// Room left beside the chart when it is fitted to the view's width.
constexpr int kFitMargin = 2;

QAction* zoomAction(QWidget* owner, const QString& text, const QString& name, const QList<QKeySequence>& keys)
{
    auto* a = new QAction(text, owner);
    a->setObjectName(name);
    a->setShortcuts(keys);
    // Only while the diagram tab is on show: the code tab keeps these keys.
    a->setShortcutContext(Qt::WindowShortcut);
    owner->addAction(a);
    return a;
}

} // namespace

DiagramTab::DiagramTab(Workspace& ws, WindowState& state, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tsdi"));
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_scroll->setWidgetResizable(false);
    m_host = new QWidget;
    m_view = new DiagramView(ws.diagram, m_host);
    fitHost();
    m_scroll->setWidget(m_host);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    // The markers lie over the picture and scroll with it.
    m_pageMarkers = new PageMarkersView(ws, state, m_view, m_host, this);
    // Ctrl with the wheel zooms wherever over the view the pointer is, on
    // the chart or beside it.
    for (QWidget* w : {static_cast<QWidget*>(m_view), m_host, m_scroll->viewport()}) w->installEventFilter(this);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    m_nextPartAction = m_menu->addAction(QStringLiteral("Далее"));
    m_nextPartAction->setObjectName(QStringLiteral("N15"));
    m_nextPartAction->setShortcut(QKeySequence(Qt::Key_PageDown));
    m_nextPartAction->setShortcutContext(Qt::WindowShortcut);
    m_nextPartAction->setVisible(false);
    m_nextPartAction->setEnabled(false);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);

    m_zoomIn = zoomAction(this, QStringLiteral("Крупнее"), QStringLiteral("zoomIn"),
                          {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                           QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)});
    m_zoomOut = zoomAction(this, QStringLiteral("Мельче"), QStringLiteral("zoomOut"),
                           {QKeySequence(Qt::CTRL | Qt::Key_Minus),
                            QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)});
    m_actualSize = zoomAction(
        this, QStringLiteral("Масштаб 100 %"), QStringLiteral("zoomActualSize"),
        {QKeySequence(Qt::CTRL | Qt::Key_0), QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0)});
    m_fitWidth = m_menu->addAction(QStringLiteral("По ширине окна"));
    m_fitWidth->setObjectName(QStringLiteral("zoomFitWidth"));
    connect(m_zoomIn, &QAction::triggered, this, &DiagramTab::zoomIn);
    connect(m_zoomOut, &QAction::triggered, this, &DiagramTab::zoomOut);
    connect(m_actualSize, &QAction::triggered, this, &DiagramTab::zoomToActualSize);
    connect(m_fitWidth, &QAction::triggered, this, &DiagramTab::fitToWidth);
}

void DiagramTab::fitHost() { m_host->resize(m_view->geometry().right() + 1, m_view->geometry().bottom() + 1); }

void DiagramTab::refresh()
{
    m_view->refresh();
    fitHost();
    m_pageMarkers->sync();
}

void DiagramTab::scrollToTop() { m_scroll->verticalScrollBar()->setValue(0); }

void DiagramTab::ensureVisible(const QRect& chartArea)
{
    const QRect onHost = m_view->toView(chartArea).translated(m_view->pos());
    const QPoint centre = onHost.center();
    m_scroll->ensureVisible(centre.x(), centre.y(), onHost.width() / 2 + 20, onHost.height() / 2 + 20);
}

int DiagramTab::zoomPercent() const { return static_cast<int>(std::lround(m_view->zoom() * 100)); }

void DiagramTab::zoomAbout(double zoom, QPointF anchor)
{
    const double before = m_view->zoom();
    zoom = std::clamp(zoom, DiagramView::kMinZoom, DiagramView::kMaxZoom);
    if (zoom == before) return;
    // The chart's point at the anchor, in diagram pixels (fractions kept,
    // so that zooming in and out again comes back to the same place).
    const QPointF onHost = anchor - QPointF(m_host->pos());
    const QPointF onChart = (onHost - QPointF(m_view->pos())) / before;
    m_view->setZoom(zoom);
    fitHost();
    m_pageMarkers->sync();
    const QPointF after = QPointF(m_view->pos()) + onChart * zoom - anchor;
    m_scroll->horizontalScrollBar()->setValue(static_cast<int>(std::lround(after.x())));
    m_scroll->verticalScrollBar()->setValue(static_cast<int>(std::lround(after.y())));
    emit zoomChanged(zoomPercent());
}

void DiagramTab::stepZoom(int steps, QPointF anchor)
{
    // From a zoom between two steps (one fitted to the width), the first
    // step goes to the next one in that direction.
    const double percent = m_view->zoom() * 100;
    int at = 0;
    if (steps > 0) {
        at = static_cast<int>(std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent + 0.5) -
                              kZoomSteps.begin());
        at += steps - 1;
    } else if (steps < 0) {
        at = static_cast<int>(std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent - 0.5) -
                              kZoomSteps.begin());
        at += steps;
    } else {
        return;
    }
    at = std::clamp(at, 0, static_cast<int>(kZoomSteps.size()) - 1);
    zoomAbout(kZoomSteps[static_cast<std::size_t>(at)] / 100.0, anchor);
}

QPointF DiagramTab::keyboardAnchor() const
{
    const QWidget* viewport = m_scroll->viewport();
    const QPoint pointer = viewport->mapFromGlobal(QCursor::pos());
    if (viewport->rect().contains(pointer) && m_view->geometry().contains(m_host->mapFrom(viewport, pointer)))
        return pointer;
    return QRectF(viewport->rect()).center();
}

void DiagramTab::zoomIn() { stepZoom(1, keyboardAnchor()); }
void DiagramTab::zoomOut() { stepZoom(-1, keyboardAnchor()); }
void DiagramTab::zoomToActualSize() { zoomAbout(1.0, keyboardAnchor()); }

void DiagramTab::fitToWidth()
{
    const int chartWidth = m_view->width() > 0 ? static_cast<int>(std::lround(m_view->width() / m_view->zoom())) : 0;
    if (chartWidth <= 0) return;
    const int room = m_scroll->viewport()->width() - m_view->x() - kFitMargin;
    // The row at the top of the view stays at the top.
    zoomAbout(static_cast<double>(room) / chartWidth, QPointF(0, 0));
    m_scroll->horizontalScrollBar()->setValue(0);
}

bool DiagramTab::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::Wheel && (watched == m_view || watched == m_host || watched == m_scroll->viewport())) {
        auto* wheel = static_cast<QWheelEvent*>(e);
        if (wheel->modifiers() & Qt::ControlModifier) {
            m_wheelRest += wheel->angleDelta().y();
            const int notches = m_wheelRest / QWheelEvent::DefaultDeltasPerStep;
            m_wheelRest -= notches * QWheelEvent::DefaultDeltasPerStep;
            const QPointF anchor = static_cast<QWidget*>(watched)->mapTo(m_scroll->viewport(), wheel->position());
            if (notches != 0) stepZoom(notches, anchor);
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace vexoria
