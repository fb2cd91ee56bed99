#pragma once
// A thin frame drawn over the chart around one block, never into its
// picture: the block the editor's caret is in, or a match of find.
#include <functional>
#include <optional>

#include <QColor>
#include <QObject>
#include <QRect>

namespace vexoria {

class DiagramView;

class ChartOutline : public QObject {
    Q_OBJECT
public:
    // The outline lives as long as the view it is drawn over. stillTrue:
    // whether the picture on show is still the chart the area was found on
    // (a picture opened since is not); the frame is drawn only while it is.
    ChartOutline(DiagramView& view, const QColor& colour, std::function<bool()> stillTrue);

    // The frame around an area of the chart (chart pixels), a little outside it.
    void show(const QRect& area);
    void hide();
    // The area framed, when a frame is on show.
    std::optional<QRect> area() const { return m_area; }

    // The frame around an area: a little outside it, so that it does not
    // hide the block's own outline. Scrolled into sight as a whole.
    static QRect frameAround(const QRect& area) { return area.adjusted(-kMargin, -kMargin, kMargin, kMargin); }

private:
    static constexpr int kMargin = 3;

    DiagramView& m_view;
    QColor m_colour;
    std::function<bool()> m_stillTrue;
    std::optional<QRect> m_area;
};

} // namespace vexoria
