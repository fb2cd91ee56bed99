#pragma once
// diagramView: shows the diagram's picture at its own size. It paints straight
// from the workspace's image, so a stage that draws needs no copy step; the
// window calls refresh() after a command to take a new size and repaint.
//
// The view shows the picture unscaled at its own top-left corner, so a
// position on the view is a position on the picture in diagram pixels,
// wherever the window lies and however far the diagram is scrolled: the
// mouse signals give positions in diagram pixels.
#include <functional>
#include <vector>

#include <QWidget>

namespace vexoria {

class Diagram;

class DiagramView : public QWidget {
    Q_OBJECT
public:
    explicit DiagramView(const Diagram& diagram, QWidget* parent = nullptr);

    bool hasPicture() const;
    void refresh();
    QSize sizeHint() const override { return size(); }

    // What is painted over the picture without being part of it (the arrow
    // animation): called after the picture with the area being repainted,
    // in diagram pixels.
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
    const Diagram& m_diagram;
    std::vector<Overlay> m_overlays;
};

} // namespace vexoria
