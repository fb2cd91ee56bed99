#pragma once
// The chart's drawing kept for the screen: every shape with the pen and
// brush it was drawn with, filed by the rows it may paint in buckets of a
// fixed height, so that painting one screen of a long chart replays only
// the shapes that lie in it, whatever the chart's length.
//
// Shapes are replayed whole and in the order they were drawn (the painter
// clips them to the screen), so a dashed line keeps its pattern and what
// was drawn later (a comment, the eraser's white) still covers what was
// drawn before it.
#include <cstdint>
#include <vector>

#include <QRect>
#include <QStringList>

#include "platform/drawing/Canvas.h"

namespace vexoria {

class DisplayList;

class RowIndexedDrawing : public Canvas {
public:
    static constexpr int kBucketRows = 128;

    // Files every call of list afresh.
    void rebuild(const DisplayList& list);
    void clear();

    // Draws on target, in chart coordinates, the shapes that may paint a
    // row of area (chart pixels), in the order they were drawn, each with
    // its own pen and brush.
    void replay(Canvas& target, const QRect& area) const;

    std::size_t shapeCount() const { return m_shapes.size(); }
    // How many shapes a replay of area goes through.
    std::size_t shapesMeeting(const QRect& area) const { return shapesIn(area.top(), area.bottom()).size(); }

    void setPenWidth(int width) override { m_pen.penWidth = width; }
    void setPenColour(Colour colour) override { m_pen.penColour = colour; }
    void setPenStyle(PenStyle style) override { m_pen.penStyle = style; }
    void setBrushColour(Colour colour) override { m_pen.brushColour = colour; }

    void polygon(const std::vector<QPoint>& points) override;
    void polyline(const std::vector<QPoint>& points) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void roundRect(int x1, int y1, int x2, int y2, int w, int h) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) const override;

private:
    enum class Kind : std::uint8_t { Polygon, Polyline, Rect, RoundRect, FillRect, Text };
    struct Shape {
        Kind kind;
        PenAndBrush pen;
        int low;  // first row it may paint
        int high; // last row it may paint
        int v[6]; // points: first and count; text: x, y, index
    };

    void add(Kind kind, int low, int high, std::initializer_list<int> values);
    void addPoints(Kind kind, const std::vector<QPoint>& points);
    // The shapes that may paint a row of top..bottom, in drawing order.
    std::vector<int> shapesIn(int top, int bottom) const;
    void play(Canvas& target, const Shape& s) const;
    // Rows a pen reaches past the points that place a line.
    int penReach() const { return (m_pen.penWidth > 1 ? m_pen.penWidth : 1) + 1; }

    std::vector<Shape> m_shapes;
    std::vector<QPoint> m_points;
    QStringList m_texts;
    std::vector<std::vector<int>> m_buckets; // indices into m_shapes, ascending
};

} // namespace vexoria
