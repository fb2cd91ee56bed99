#pragma once
// The drawing surface of the diagram. Stages draw only through it: the window
// and the command line give them a canvas on the diagram's image, tests a
// recording canvas with a fixed text metric.
#include <vector>

#include <QPoint>
#include <QString>

namespace vexoria {

// A colour as the tables store it: 0x00BBGGRR, red in the low byte.
using Colour = unsigned int;

constexpr Colour rgb(int r, int g, int b)
{
    return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8) | (static_cast<Colour>(b & 0xFF) << 16);
}
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

enum class PenStyle { Solid, Dash, Dot };

// The pen and brush a canvas draws with. A new canvas has a black solid pen
// one pixel wide and a white brush, as a new picture has.
struct PenAndBrush {
    int penWidth = 1;
    Colour penColour = kBlack;
    PenStyle penStyle = PenStyle::Solid;
    Colour brushColour = kWhite;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Each setter keeps the value in the canvas's pen and brush (m_pen) and
    // does with it what the canvas does: hand it to a painter, record it,
    // start a group of elements.
    virtual void setPenWidth(int width) = 0;
    virtual void setPenColour(Colour colour) = 0;
    virtual void setPenStyle(PenStyle style) = 0;
    virtual void setBrushColour(Colour colour) = 0;
    int penWidth() const { return m_pen.penWidth; }
    Colour penColour() const { return m_pen.penColour; }
    PenStyle penStyle() const { return m_pen.penStyle; }
    Colour brushColour() const { return m_pen.brushColour; }

    // Closed outline through the points, filled with the brush.
    virtual void polygon(const std::vector<QPoint>& points) = 0;
    // Open line through the points.
    virtual void polyline(const std::vector<QPoint>& points) = 0;
    // Outline from (x1, y1) to (x2, y2), the right and bottom edges excluded
    // as on a GDI canvas, filled with the brush.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // The same with corners rounded by an ellipse w by h.
    virtual void roundRect(int x1, int y1, int x2, int y2, int w, int h) = 0;
    // The area filled with the brush, no outline.
    virtual void fillRect(int x1, int y1, int x2, int y2) = 0;
    // Opaque text: its cell is filled with the brush; (x, y) is the top left.
    virtual void textOut(int x, int y, const QString& text) = 0;
    // Width of the text in the canvas font, in pixels.
    virtual int textWidth(const QString& text) const = 0;

protected:
    PenAndBrush m_pen;
};

// A canvas that hands its pen and brush on only when it next draws, and only
// when they changed since it last did: a painter, or a vector file that
// writes every change.
class DeferredPenCanvas : public Canvas {
public:
    void setPenWidth(int width) final { keep(m_pen.penWidth, width); }
    void setPenColour(Colour colour) final { keep(m_pen.penColour, colour); }
    void setPenStyle(PenStyle style) final { keep(m_pen.penStyle, style); }
    void setBrushColour(Colour colour) final { keep(m_pen.brushColour, colour); }

protected:
    // The pen or brush changed since it was last handed on.
    bool m_penChanged = true;

private:
    template <typename T>
    void keep(T& field, T value)
    {
        m_penChanged |= value != field;
        field = value;
    }
};

} // namespace vexoria
