#pragma once
// A canvas over a painter someone else holds: the view paints what lies over
// the chart's picture (the animation) through it, and the PDF chart is drawn
// through it. Shapes, pens and opaque text follow the bitmap canvas exactly
// (CanvasPainting.h), without antialiasing; text stays text, in the diagram
// font. The canvas starts with a fresh pen (black, width 1, solid) and a
// white brush, as a new picture has.
#include "platform/drawing/Canvas.h"

class QPainter;

namespace vexoria {

class PainterCanvas : public DeferredPenCanvas {
public:
    explicit PainterCanvas(QPainter& painter);

    // Lines the painter's scale makes thinner than a pixel of its device are
    // drawn one device pixel wide instead: a chart made smaller on a printed
    // sheet keeps every line, however small.
    void keepLinesVisible()
    {
        m_keepLinesVisible = true;
        m_penChanged = true;
    }

    // The painter draws on a picture at whole pixels (a strip of a PNG or
    // BMP): text is drawn as the diagram's picture has it, from the glyph
    // table where it covers the text.
    void drawOnPicture() { m_onPicture = true; }

    void polygon(const std::vector<QPoint>& points) override;
    void polyline(const std::vector<QPoint>& points) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void roundRect(int x1, int y1, int x2, int y2, int w, int h) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) const override;

private:
    // Hands the pen and brush to the painter when they changed since the
    // last shape: a vector device writes every change into its file.
    void prepare();

    QPainter& m_painter;
    bool m_keepLinesVisible = false;
    bool m_onPicture = false;
};

} // namespace vexoria
