#pragma once
// The drawing pass, in two steps so that the page markers can take their
// places from the picture's height before the blocks are drawn.
#include <functional>
#include <optional>

#include "layout/BlockKind.h"
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

// How a walk over the blocks of a part ended: at the table's end, at the cut
// that ends a part with another after it, or stopped by the visit.
enum class PartWalk { Done, Cut, Stopped };

// A block row of the walk, at its index, with its template: gives the index
// of the last row it took (a text block takes the text rows after it), or
// nothing to stop the walk.
using BlockVisit = std::function<std::optional<int>(int index, const BlockTemplate& t)>;

// The block rows the drawing pass draws of a part, in nom order: sorts the
// table on nom and visits each block row of the part that has a template.
// The window walks the same rows to find the blocks on the picture on show.
PartWalk walkPart(StatementTable& statements, ShapeTemplateTable& templates, const ChartPart& part,
                  const BlockVisit& visit, const BuildControl* control = nullptr);

// Starts a fresh picture and draws every block row of the part in nom order;
// parts 1 and 2 of 3 are marked "PAT I" and "PAT II". Returns true when the
// walk stopped at the end of a part that has one after it: the part's
// connections are routed next. A picture that cannot be made is said through
// the prompter and ends the pass.
bool drawBlocks(StatementTable& statements, ShapeTemplateTable& templates, const BuildOptions& options,
                const ChartSurface& surface, BlockPalette& palette, const ChartPart& part, Prompter* prompter,
                const BuildControl* control = nullptr);

} // namespace vexoria
