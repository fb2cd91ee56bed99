#pragma once
// A canvas over a painter whose transform scales the chart, for the diagram
// view at any zoom and on any screen density: the chart is drawn at the
// resolution of the device rather than as its bitmap made bigger.
//  - A line one pixel wide stays one device pixel wide at every scale (a
//    cosmetic pen), with its dashes scaled with the chart; a wider line
//    scales, but never below one device pixel.
//  - The eraser's white (a white line one pixel wide) covers, zoomed in,
//    the whole chart pixels it covers on the bitmap: nothing drawn under
//    its edge peeks out beside it.
//  - Text is the diagram font's outlines scaled by the painter, smoothed,
//    on its opaque cell as on the bitmap.
// Shapes are placed as CanvasPainting.h places them on the bitmap.
#include <QFont>

#include "platform/drawing/Canvas.h"

class QPainter;

namespace vexoria {

class ScaledPainterCanvas : public DeferredPenCanvas {
public:
    explicit ScaledPainterCanvas(QPainter& painter);

    void polygon(const std::vector<QPoint>& points) override;
    void polyline(const std::vector<QPoint>& points) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void roundRect(int x1, int y1, int x2, int y2, int w, int h) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) const override;

private:
    void prepare();
    // Draws a shape with the pen and brush, a white line over whole pixels.
    template <class Draw>
    void outlined(Draw draw);

    QPainter& m_painter;
    double m_scale; // device pixels per chart pixel
    bool m_coversPixels = false;
    QFont m_font;
};

} // namespace vexoria
