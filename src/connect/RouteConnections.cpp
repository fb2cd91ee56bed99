#include "connect/Router.h"
#include "layout/DiagramCanvas.h"

namespace vexoria {

namespace {

// Stands in for the diagram's canvas when its picture cannot be made (a chart
// too long for one image): the lines are still routed and recorded, so hints,
// break labels and the animation find their table.
class NoPictureCanvas : public Canvas {
public:
    void setPenWidth(int w) override { m_pen.penWidth = w; }
    void setPenColour(Colour c) override { m_pen.penColour = c; }
    void setPenStyle(PenStyle s) override { m_pen.penStyle = s; }
    void setBrushColour(Colour c) override { m_pen.brushColour = c; }
    void polygon(const std::vector<QPoint>&) override {}
    void polyline(const std::vector<QPoint>&) override {}
    void rectangle(int, int, int, int) override {}
    void roundRect(int, int, int, int, int, int) override {}
    void fillRect(int, int, int, int) override {}
    void textOut(int, int, const QString&) override {}
    int textWidth(const QString&) const override { return 0; }
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
