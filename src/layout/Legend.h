#pragma once
// The legend: a framed strip at the foot of the diagram with one unstretched
// sample of each block kind and its caption.
#include "layout/DiagramCanvas.h"
#include "platform/prompts/Prompter.h"
#include "tables/ShapeTemplates.h"

namespace vexoria {

// Draws the legend in the last 140 rows of the diagram. A picture that cannot
// be made is said through the prompter and ends the legend.
void drawLegend(const ShapeTemplateTable& templates, const ChartSurface& surface, Prompter* prompter);

} // namespace vexoria
