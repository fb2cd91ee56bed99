#pragma once
// Block sizing: the first stage after the checks that places the blocks.
#include "layout/DiagramCanvas.h"
#include "platform/prompts/Prompter.h"
#include "tables/BuildControl.h"
#include "tables/BuildOptions.h"
#include "tables/ShapeTemplates.h"
#include "tables/StatementTable.h"

namespace vexoria {

// What sizing leaves for the length check.
struct Placement {
    int length = 0; // the y of the chart's last row
};

// Gives every block row its stretch (plx, ply) and origin (x, y), one block
// below the other in nom order, centred on the diagram's width; text widths
// are measured on the surface's canvas. Leaves the table sorted on nom, on its
// last row.
Placement sizeBlocks(StatementTable& statements, ShapeTemplateTable& templates, const BuildOptions& options,
                     const ChartSurface& surface, const BuildControl* control = nullptr);

// The length check: a chart as long as the maximum or longer is built in
// parts, drawn whole or not at all, as the user chooses; one more than three
// times the maximum is refused.
struct LengthVerdict {
    enum Outcome { Fits, Whole, InParts, Stop };
    Outcome outcome = Fits;
    // How many times the chart holds the maximum: one less than the parts it
    // would be built in; 0 when it fits.
    int extraParts = 0;
};

// Asks through the prompter, when there is one (none answers No). A maximum
// that is not a number, or is 0 for a chart that reaches it, throws
// ConversionError.
LengthVerdict checkLength(const Placement& placement, const QString& maxChartLength, Prompter* prompter);

} // namespace vexoria
