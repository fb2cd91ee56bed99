#pragma once
// The canvas on the diagram's image. It draws with QPainter without
// antialiasing, so lines come out one pixel crisp as on the bitmap the chart
// was designed for, with the conventions of CanvasPainting.h (edges left out,
// pens, opaque text).
// The image is made on the first use that needs it (any pen, brush or drawing
// call, not a text width): a white image of the diagram's current size, with
// a fresh pen (black, width 1, solid) and a white brush, as a new bitmap has.
// Every call is also kept in the diagram's drawing (Diagram::drawing()).
#include <stdexcept>

#include <QString>

#include "platform/drawing/Canvas.h"

class QPainter;

namespace vexoria {

class Diagram;

// The diagram's image could not be made at its size (too large for memory).
// Its text is the program's message for a chart too long for its picture.
class PictureError : public std::runtime_error {
public:
    PictureError() : std::runtime_error("Длинна превышенна ") {}
};

class QImageCanvas : public Canvas {
public:
    explicit QImageCanvas(Diagram& diagram) : m_diagram(diagram) {}

    // Takes the pen and brush of another canvas (a copy of the diagram
    // draws on as the original would have).
    void takeStateOf(const QImageCanvas& other) { m_pen = other.m_pen; }

    // Makes the white image when the diagram has none; false when it cannot
    // be allocated.
    bool ensurePicture();

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
    // Makes the image if needed; throws PictureError when it cannot.
    void need();
    void preparePainter(QPainter& p) const;

    Diagram& m_diagram;
};

} // namespace vexoria
