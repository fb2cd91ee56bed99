#pragma once
// Idiag1: shows the diagram's picture at its own size. It paints straight
// from the workspace's image, so a stage that draws needs no copy step; the
// window calls refresh() after a command to take a new size and repaint.
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

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const Diagram& m_diagram;
};

} // namespace vexoria
