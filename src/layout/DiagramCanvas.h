#pragma once
// Where the stages draw: the canvas put in place of the diagram's own (the
// draw command, tests, SVG and PDF charts) when one is set, otherwise the
// canvas on the diagram's own image. Every stage that draws or measures text
// on the chart goes through here, so that sizing, drawing and connections
// measure with the same metric.
#include <climits>

#include <QString>

#include "platform/drawing/Canvas.h"
#include "platform/drawing/Diagram.h"
#include "platform/drawing/PictureCanvas.h" // PictureError

namespace vexoria {

// The diagram and the canvas drawn on in its place, if any.
struct ChartSurface {
    Diagram& diagram;
    Canvas* canvasOverride = nullptr;

    // The tallest part a chart built in parts may have: that of the largest
    // picture when the parts are drawn on the diagram's picture; drawn on
    // another canvas (an SVG or PDF chart) a part has no such bound.
    int tallestPart() const { return canvasOverride ? INT_MAX : diagram.maxPictureHeight(); }
};

// The canvas of the diagram. On the image canvas the first pen, brush or
// drawing call makes the white image of the diagram's current size and
// throws PictureError when that image cannot be allocated; text widths never
// need the image.
Canvas& diagramCanvas(const ChartSurface& surface);

// Makes the picture now if there is none yet; false when it cannot be made.
// Always true with a canvas override.
bool diagramPictureReady(const ChartSurface& surface);

// Text width on the diagram canvas.
int diagramTextWidth(const ChartSurface& surface, const QString& text);

// The message shown when the picture cannot be made at the chart's length.
QString pictureTooLongMessage();

} // namespace vexoria
