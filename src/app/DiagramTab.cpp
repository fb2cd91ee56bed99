#include "app/DiagramTab.h"

#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/DiagramView.h"
#include "app/PageMarkersView.h"
#include "pipeline/Workspace.h"

namespace vexoria {

DiagramTab::DiagramTab(Workspace& ws, WindowState& state, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tsdi"));
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_scroll->setWidgetResizable(false);
    m_host = new QWidget;
    m_view = new DiagramView(ws.diagram, m_host);
    m_host->resize(m_view->geometry().right() + 1, m_view->geometry().bottom() + 1);
    m_scroll->setWidget(m_host);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    // The markers lie over the picture and scroll with it.
    m_pageMarkers = new PageMarkersView(ws, state, m_view, m_host, this);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    m_nextPartAction = m_menu->addAction(QStringLiteral("Далее"));
    m_nextPartAction->setObjectName(QStringLiteral("N15"));
    m_nextPartAction->setShortcut(QKeySequence(Qt::Key_PageDown));
    m_nextPartAction->setShortcutContext(Qt::WindowShortcut);
    m_nextPartAction->setVisible(false);
    m_nextPartAction->setEnabled(false);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
}

void DiagramTab::refresh()
{
    m_view->refresh();
    m_host->resize(m_view->geometry().right() + 1, m_view->geometry().bottom() + 1);
    m_pageMarkers->sync();
}

void DiagramTab::scrollToTop() { m_scroll->verticalScrollBar()->setValue(0); }

void DiagramTab::ensureVisible(const QRect& chartArea)
{
    const QRect onHost = chartArea.translated(m_view->pos());
    const QPoint centre = onHost.center();
    m_scroll->ensureVisible(centre.x(), centre.y(), onHost.width() / 2 + 20, onHost.height() / 2 + 20);
}

} // namespace vexoria
