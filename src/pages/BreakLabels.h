#pragma once
// Break labels at the page markers: a connection cut by a page break gets the
// same tag just above and just below the break.
#include "pages/PageMarkers.h"
#include "platform/drawing/Canvas.h"
#include "tables/ConnectionTable.h"

namespace vexoria {

// Labels the connections of the table from firstRow on (the rows of the
// picture on show) at every page marker.
void writeBreakLabels(const ConnectionTable& connections, int firstRow, const PageMarkers& markers, Canvas& canvas);

// "Подписать линии": the white brush, then the break labels. The animation
// is stopped by the caller first.
void labelLines(const ConnectionTable& connections, int firstRow, const PageMarkers& markers, Canvas& canvas);

} // namespace vexoria
