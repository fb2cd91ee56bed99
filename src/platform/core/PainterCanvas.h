#pragma once
// A canvas over a painter someone else holds: the view paints what lies over
// the chart's picture (the animation) through it, with the diagram canvas's
// pen rules, without touching the picture.
#include "platform/core/Canvas.h"

class QPainter;

namespace vexoria {

class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(QPainter& painter) : m_painter(painter) {}

    void setPenWidth(int width) override { m_penWidth = width; }
    void setPenColour(Colour colour) override { m_penColour = colour; }
    void setPenStyle(PenStyle style) override { m_penStyle = style; }
    void setBrushColour(Colour colour) override { m_brushColour = colour; }
    int penWidth() const override { return m_penWidth; }
    Colour penColour() const override { return m_penColour; }
    PenStyle penStyle() const override { return m_penStyle; }
    Colour brushColour() const override { return m_brushColour; }

    void polygon(const std::vector<QPoint>& points) override;
    void polyline(const std::vector<QPoint>& points) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void roundRect(int x1, int y1, int x2, int y2, int w, int h) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) const override;

private:
    void prepare();

    QPainter& m_painter;
    int m_penWidth = 1;
    Colour m_penColour = kBlack;
    PenStyle m_penStyle = PenStyle::Solid;
    Colour m_brushColour = kWhite;
};

} // namespace vexoria
