#pragma once
// What the arrow animation shows over the chart's picture: the head each row
// showed on the last tick, and each cross mark with its line in the colour it
// blinks in. The view paints it after the picture; the picture itself is
// never drawn on, so what is saved or printed is the chart as it was built.
#include <QRect>

#include "tables/ConnectionTable.h"

namespace vexoria {

class Canvas;

// Paints the rows from firstRow on whose drawing meets `area` (diagram
// pixels). The pen is 2 pixels wide in colour mode, 1 otherwise.
void paintAnimation(Canvas& canvas, const ConnectionTable& connections, const QRect& area, bool colourMode,
                    int firstRow = 0);

// The area a row's animation covers, pen included; empty when it shows
// nothing.
QRect animationArea(const ConnectionRow& row);

} // namespace vexoria
