#include "connect/Router.h"
#include "layout/DiagramCanvas.h"

namespace vexoria {

namespace {

// Stands in for the diagram's canvas when its picture cannot be made (a chart
// too long for one image): the lines are still routed and recorded, so hints,
// break labels and the animation find their table.
class NoPictureCanvas : public Canvas {
public:
    void setPenWidth(int w) override { m_width = w; }
    void setPenColour(Colour c) override { m_colour = c; }
    void setPenStyle(PenStyle s) override { m_style = s; }
    void setBrushColour(Colour c) override { m_brush = c; }
    int penWidth() const override { return m_width; }
    Colour penColour() const override { return m_colour; }
    PenStyle penStyle() const override { return m_style; }
    Colour brushColour() const override { return m_brush; }
    void polygon(const std::vector<QPoint>&) override {}
    void polyline(const std::vector<QPoint>&) override {}
    void rectangle(int, int, int, int) override {}
    void roundRect(int, int, int, int, int, int) override {}
    void fillRect(int, int, int, int) override {}
    void textOut(int, int, const QString&) override {}
    int textWidth(const QString&) const override { return 0; }

private:
    int m_width = 1;
    Colour m_colour = kBlack;
    PenStyle m_style = PenStyle::Solid;
    Colour m_brush = kWhite;
};

} // namespace

void routeConnections(const RouteInput& in, const ChartSurface& surface)
{
    if (!diagramPictureReady(surface)) {
        NoPictureCanvas none;
        Router(in, none).run();
        return;
    }
    Router router(in, diagramCanvas(surface));
    router.run();
}

} // namespace vexoria
