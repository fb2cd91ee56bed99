#pragma once
// Where the stages draw: the workspace's canvas override when one is set (the
// draw command, tests), otherwise the canvas on the diagram's own image.
// Every stage that draws or measures text on the chart goes through here, so
// that sizing, drawing and connections measure with the same metric.
#include <QString>

#include "platform/drawing/Canvas.h"
#include "platform/drawing/QImageCanvas.h" // PictureError

namespace vexoria {

struct Workspace;

// The canvas of the diagram. On the image canvas the first pen, brush or
// drawing call makes the white image of the diagram's current size and
// throws PictureError when that image cannot be allocated; text widths never
// need the image.
Canvas& diagramCanvas(Workspace& ws);

// Makes the picture now if there is none yet; false when it cannot be made.
// Always true with a canvas override.
bool diagramPictureReady(Workspace& ws);

// Text width on the diagram canvas.
int diagramTextWidth(Workspace& ws, const QString& text);

// The message shown when the picture cannot be made at the chart's length.
QString pictureTooLongMessage();

} // namespace vexoria
