#pragma once
// The page markers List1..List12 on the diagram tab: red rules headed by
// their page numbers, transparent labels over the picture inside the
// scrolling view, so they scroll with it. They show the workspace's markers
// and are dragged with the mouse; the pointer is mapped to the diagram
// wherever the window and the view's scroll position are.
#include <array>

#include <QObject>

class QLabel;
class QWidget;

namespace vexoria {

class DiagramView;
class Prompter;
struct WindowState;
struct Workspace;

class PageMarkersView : public QObject {
    Q_OBJECT
public:
    // The labels are made as children of host, the widget that holds the
    // picture in the scrolling view, over the picture.
    PageMarkersView(Workspace& ws, WindowState& state, DiagramView* image, QWidget* host, QObject* parent = nullptr);

    // Marker k's label (k = 1..12), named List1..List12.
    QLabel* label(int k) const { return m_labels[static_cast<std::size_t>(k - 1)]; }

    // Puts the labels where the workspace's markers are, shown or hidden.
    void sync();
    // "Разметка страниц": default places for the diagram as it is, shown,
    // whatever its scroll position; any dragging is undone.
    void showPageMarkers();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    int markerOf(QObject* watched) const;

    Workspace& m_ws;
    WindowState& m_state;
    DiagramView* m_image;
    QWidget* m_host;
    std::array<QLabel*, 12> m_labels{};
    // Where in the label the pointer took hold of it, so that the rule does
    // not jump under the pointer when the drag starts.
    int m_grabY = 0;
};

} // namespace vexoria
