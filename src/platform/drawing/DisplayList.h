#pragma once
// A canvas that keeps every drawing call as data, to be drawn later on
// another canvas (replay). The SVG and PDF charts are built on it: the size
// of their page is known only when the drawing pass has sized the chart, and
// a chart of any length fits in it (no picture to allocate).
//
// Bound to a diagram, it follows the diagram's picture as the image canvas
// does: when the picture has been removed since the last call, the next call
// starts a new picture (the calls so far are dropped, and the pen and brush
// start afresh: black, width 1, solid; white).
#include <cstdint>
#include <vector>

#include <QStringList>

#include "platform/drawing/Canvas.h"

namespace vexoria {

class Diagram;

class DisplayList : public Canvas {
public:
    explicit DisplayList(const Diagram* diagram = nullptr);

    // Follows `diagram` from now on (a copy of a diagram's drawing).
    void bindTo(const Diagram* diagram);

    // Draws every call kept, in order, on `target`.
    void replay(Canvas& target) const;
    // The same for the rows top..bottom (one past the last) only: every pen
    // and brush change, but no shape or text that lies wholly above or below
    // them. A printed sheet is drawn this way without going through the
    // whole chart's shapes.
    void replay(Canvas& target, int top, int bottom) const;
    bool isEmpty() const { return m_ops.empty(); }
    // How many calls are kept (pen and brush changes included).
    std::size_t itemCount() const { return m_ops.size(); }
    // Every text written, in order.
    const QStringList& texts() const { return m_texts; }
    void clear();

    void setPenWidth(int width) override;
    void setPenColour(Colour colour) override;
    void setPenStyle(PenStyle style) override;
    void setBrushColour(Colour colour) override;

    void polygon(const std::vector<QPoint>& points) override;
    void polyline(const std::vector<QPoint>& points) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void roundRect(int x1, int y1, int x2, int y2, int w, int h) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) const override;

private:
    enum class Kind : std::uint8_t {
        PenWidth,
        PenColour,
        PenStyle,
        Brush,
        Polygon,
        Polyline,
        Rect,
        RoundRect,
        FillRect,
        Text
    };
    // Points and texts live in their own lists; an op holds where its own are.
    struct Op {
        Kind kind;
        int v[6];
    };

    friend class BandedReplay;

    void replayOps(Canvas& target, bool within(const DisplayList&, const Op&, int, int), int top, int bottom) const;
    void play(Canvas& target, const Op& op, std::vector<QPoint>& points) const;
    static bool isShape(const Op& op) { return op.kind >= Kind::Polygon; }
    // Far more than a pen's width or a line of the diagram font.
    static constexpr int kReach = 96;
    // The rows a shape may paint, low to high inclusive: the rows of its
    // points widened by reach, for text and wide pens reach a little past
    // the points that place them. False for a pen or brush change, and for
    // a shape without points.
    bool span(const Op& op, int& low, int& high, int reach = kReach) const;
    // Whether op may paint a row of top..bottom (every pen and brush change does).
    static bool reaches(const DisplayList& list, const Op& op, int top, int bottom);
    static bool always(const DisplayList&, const Op&, int, int) { return true; }
    void follow();
    void add(Kind kind, std::initializer_list<int> values);
    void addPoints(Kind kind, const std::vector<QPoint>& points);

    const Diagram* m_diagram;
    int m_removals = 0;
    std::vector<Op> m_ops;
    std::vector<QPoint> m_points;
    QStringList m_texts;
};

} // namespace vexoria
