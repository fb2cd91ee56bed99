#pragma once
// diagramView: shows the diagram's picture at the zoom the user chose. It
// paints straight from the workspace's picture, so a stage that draws needs
// no copy step; the window calls refresh() after a command to take a new
// size and repaint.
//
// At 100 % on a screen of one device pixel per pixel the view shows the
// picture itself, pixel for pixel. At any other zoom or screen density it
// draws the chart again from its drawing (Diagram::drawing()) at the
// screen's resolution, only the rows on show, so lines stay one device pixel
// and text stays sharp; a picture opened from a file has no drawing and is
// scaled smoothly.
//
// The view is the chart made zoom times larger, at its own top-left corner:
// the mouse signals give positions in diagram pixels, whatever the zoom,
// wherever the window lies and however far the diagram is scrolled.
#include <cstddef>
#include <functional>
#include <vector>

#include <QWidget>

#include "platform/drawing/RowIndexedDrawing.h"

namespace vexoria {

class Diagram;

class DiagramView : public QWidget {
    Q_OBJECT
public:
    static constexpr double kMinZoom = 0.1;
    static constexpr double kMaxZoom = 4.0;

    explicit DiagramView(const Diagram& diagram, QWidget* parent = nullptr);

    bool hasPicture() const;
    void refresh();
    QSize sizeHint() const override { return size(); }

    // View pixels per diagram pixel, kMinZoom to kMaxZoom.
    double zoom() const { return m_zoom; }
    // Takes the zoom (bounded to the limits), resizes and repaints.
    void setZoom(double zoom);

    // The diagram pixel under a point of the view.
    QPoint toChart(QPointF onView) const;
    // The diagram pixels an area of the view shows, whole pixels.
    QRect toChart(const QRect& onView) const;
    // Where a diagram pixel's top-left corner is on the view.
    QPoint toView(QPoint onChart) const;
    // The view pixels that show an area of the diagram, all of them.
    QRect toView(const QRect& onChart) const;
    // Repaints what shows an area of the diagram.
    void updateChart(const QRect& chartArea) { update(toView(chartArea)); }

    // What is painted over the picture without being part of it (the arrow
    // animation): called after the picture with a painter in diagram
    // pixels and the area being repainted, in diagram pixels.
    using Overlay = std::function<void(QPainter& painter, const QRect& area)>;
    void addOverlay(Overlay overlay) { m_overlays.push_back(std::move(overlay)); }

signals:
    void pressed(QPoint at, Qt::MouseButton button);
    void moved(QPoint at);
    void released(QPoint at, Qt::MouseButton button);
    void doubleClicked(QPoint at);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    // The chart at the zoom, in view pixels.
    QSize zoomedSize() const;
    // Whether the chart is drawn again from its drawing rather than shown
    // as its picture.
    bool drawsFromDrawing() const;
    // The drawing filed by rows, brought up to date with the diagram's.
    const RowIndexedDrawing& rows() const;

    const Diagram& m_diagram;
    std::vector<Overlay> m_overlays;
    double m_zoom = 1.0;

    mutable RowIndexedDrawing m_rows;
    // What the rows were filed from: the picture and how many calls its
    // drawing had (comments and eraser strokes add to it).
    mutable int m_rowsRemovals = -1;
    mutable std::size_t m_rowsItems = 0;
};

} // namespace vexoria
