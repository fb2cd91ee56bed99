#pragma once
// The "Диаграмма" tab: the diagram view in its scrolling area, the page
// markers over the picture, the zoom and the diagram's popup menu. The menu
// starts with "Далее", which shows only while a chart built in parts has a
// part left to draw, and "По ширине окна"; the window's other commands add
// their items after them.
//
// Zoom: Ctrl with the wheel, Ctrl + "+" (or "="), Ctrl + "-" and Ctrl + 0
// (100 %), from 10 % to 400 %. The point of the chart under the pointer
// stays where it is; from the keyboard, with the pointer off the view, the
// point in the middle of the view does.
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
    QAction* zoomInAction() const { return m_zoomIn; }
    QAction* zoomOutAction() const { return m_zoomOut; }
    QAction* actualSizeAction() const { return m_actualSize; }
    QAction* fitWidthAction() const { return m_fitWidth; } // "По ширине окна"

    // Shows the workspace's picture at its size, and the page markers where
    // the workspace has them.
    void refresh();
    void scrollToTop();
    // Scrolls the view so that an area of the chart (diagram pixels) is in
    // sight, with a margin around it where the view has room.
    void ensureVisible(const QRect& chartArea);

    // The zoom in whole percent.
    int zoomPercent() const;
    // Zooms to `zoom` (view pixels per diagram pixel, bounded to 10 % …
    // 400 %) keeping the chart's point at `anchor` (on the scrolling area's
    // viewport) where it is.
    void zoomAbout(double zoom, QPointF anchor);
    // One step up or down the ladder of zooms, about anchor.
    void stepZoom(int steps, QPointF anchor);
    void zoomIn();
    void zoomOut();
    void zoomToActualSize();
    // The chart's width fills the view's.
    void fitToWidth();

signals:
    void zoomChanged(int percent);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Where keyboard zoom keeps still: the pointer when it is over the view,
    // else the view's middle (viewport coordinates).
    QPointF keyboardAnchor() const;
    void fitHost();

    QScrollArea* m_scroll;
    QWidget* m_host;
    DiagramView* m_view;
    PageMarkersView* m_pageMarkers;
    QMenu* m_menu;
    QAction* m_nextPartAction;
    QAction* m_zoomIn;
    QAction* m_zoomOut;
    QAction* m_actualSize;
    QAction* m_fitWidth;
    // Wheel turns of less than a notch (touchpads) add up to one.
    int m_wheelRest = 0;
};

} // namespace vexoria
