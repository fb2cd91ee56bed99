#include "layout/DiagramCanvas.h"

namespace vexoria {

Canvas& diagramCanvas(const ChartSurface& surface)
{
    if (surface.canvasOverride) return *surface.canvasOverride;
    return surface.diagram.canvas();
}

bool diagramPictureReady(const ChartSurface& surface)
{
    if (surface.canvasOverride) return true;
    return surface.diagram.canvas().ensurePicture();
}

int diagramTextWidth(const ChartSurface& surface, const QString& text)
{
    return diagramCanvas(surface).textWidth(text);
}

QString pictureTooLongMessage() { return QStringLiteral("Длинна превышенна "); }

} // namespace vexoria
