#pragma once
// The drawing pass, in two steps so that the page markers can take their
// places from the picture's height before the blocks are drawn.
#include "layout/ChartParts.h"
#include "layout/DiagramCanvas.h"
#include "layout/Palette.h"
#include "platform/prompts/Prompter.h"
#include "tables/BuildControl.h"
#include "tables/BuildOptions.h"
#include "tables/ShapeTemplates.h"
#include "tables/StatementTable.h"

namespace vexoria {

// Starts the palette again (filled in colour mode) and sizes the diagram to
// the part: 100 pixels below its last block, 100 more with the legend.
void sizeImageToPart(StatementTable& statements, const BuildOptions& options, const ChartSurface& surface,
                     BlockPalette& palette, const ChartPart& part);

// Starts a fresh picture and draws every block row of the part in nom order;
// parts 1 and 2 of 3 are marked "PAT I" and "PAT II". Returns true when the
// walk stopped at the end of a part that has one after it: the part's
// connections are routed next. A picture that cannot be made is said through
// the prompter and ends the pass.
bool drawBlocks(StatementTable& statements, ShapeTemplateTable& templates, const BuildOptions& options,
                const ChartSurface& surface, BlockPalette& palette, const ChartPart& part, Prompter* prompter,
                const BuildControl* control = nullptr);

} // namespace vexoria
