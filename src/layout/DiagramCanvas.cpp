#include "layout/DiagramCanvas.h"

#include "pipeline/Workspace.h"

namespace vexoria {

Canvas& diagramCanvas(Workspace& ws)
{
    if (ws.canvasOverride) return *ws.canvasOverride;
    return ws.diagram.canvas();
}

bool diagramPictureReady(Workspace& ws)
{
    if (ws.canvasOverride) return true;
    return ws.diagram.canvas().ensurePicture();
}

int diagramTextWidth(Workspace& ws, const QString& text) { return diagramCanvas(ws).textWidth(text); }

QString pictureTooLongMessage() { return QStringLiteral("Длинна превышенна "); }

} // namespace vexoria
