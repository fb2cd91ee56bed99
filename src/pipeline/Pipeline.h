#pragma once
// The build as the "Схема" button runs it, without the window's own steps
// (animation switch, scrolling, the grid, maximising, the routine queue).
namespace vexoria {

struct Workspace;

// Removes the picture, empties the statement and connection tables and
// classifies ws.codeText.
void classifyCode(Workspace& ws);

// Sizes, draws, checks and connects the classified table, then adds the legend
// when it is switched on. Returns false when sizing stopped the build.
bool drawChart(Workspace& ws);

} // namespace vexoria
