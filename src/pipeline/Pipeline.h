#pragma once
// The build as the "Схема" button runs it, without the window's own steps
// (animation switch, scrolling, the grid, maximising, the routine queue).
namespace vexoria {

struct Workspace;

// Removes the picture, empties the statement and connection tables and
// classifies ws.codeText.
void classifyCode(Workspace& ws);

// Sizes, draws, checks and connects the classified table, then adds the legend
// when it is switched on. Returns false when sizing stopped the build. A
// setting out of its range stops it before anything is sized: it throws
// ConversionError naming the setting, ws.settingsFile and the range.
bool drawChart(Workspace& ws);

// After classifying: the routine holds no code the chart can show (an empty
// text, blanks only, or text with no statement): no block but the end.
bool holdsNoCode(const Workspace& ws);

} // namespace vexoria
