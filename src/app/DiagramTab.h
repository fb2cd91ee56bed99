#pragma once
// The "Диаграмма" tab: the diagram view in its scrolling area, the page
// markers over the picture and the diagram's popup menu. The menu starts
// with "Далее", which shows only while a chart built in parts has a part
// left to draw; the window's other commands add their items after it.
#include <QRect>
#include <QWidget>

class QAction;
class QMenu;
class QScrollArea;

namespace vexoria {

class DiagramView;
class PageMarkersView;
struct WindowState;
struct Workspace;

class DiagramTab : public QWidget {
    Q_OBJECT
public:
    DiagramTab(Workspace& ws, WindowState& state, QWidget* parent = nullptr);

    DiagramView* view() const { return m_view; }
    QScrollArea* scrollArea() const { return m_scroll; }
    // The widget in the scrolling area that holds the picture and the markers.
    QWidget* host() const { return m_host; }
    PageMarkersView* pageMarkers() const { return m_pageMarkers; }
    QMenu* menu() const { return m_menu; }
    QAction* nextPartAction() const { return m_nextPartAction; }

    // Shows the workspace's picture at its size, and the page markers where
    // the workspace has them.
    void refresh();
    void scrollToTop();
    // Scrolls the view so that an area of the chart (diagram pixels) is in
    // sight, with a margin around it where the view has room.
    void ensureVisible(const QRect& chartArea);

private:
    QScrollArea* m_scroll;
    QWidget* m_host;
    DiagramView* m_view;
    PageMarkersView* m_pageMarkers;
    QMenu* m_menu;
    QAction* m_nextPartAction;
};

} // namespace vexoria
