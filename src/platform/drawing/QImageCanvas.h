#pragma once
// The canvas on the diagram's image. It draws with QPainter without
// antialiasing, so lines come out one pixel crisp as on the bitmap the chart
// was designed for, with the conventions of CanvasPainting.h (edges left out,
// pens, opaque text).
// The image is made on the first use that needs it (any pen, brush or drawing
// call, not a text width): a white image of the diagram's current size, with
// a fresh pen (black, width 1, solid) and a white brush, as a new bitmap has.
// Every call is also kept in the diagram's drawing (Diagram::drawing()).
#include <QString>

#include "platform/drawing/PictureCanvas.h"

class QPainter;

namespace vexoria {

class Diagram;

class QImageCanvas : public PictureCanvas {
public:
    explicit QImageCanvas(Diagram& diagram) : m_diagram(diagram) {}

    bool ensurePicture() override;

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
