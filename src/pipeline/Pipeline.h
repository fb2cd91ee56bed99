#pragma once
// The build: the stages in order, as "Схема" and "Далее" run them, without
// the window's own steps (animation switch, scrolling, the grid, maximising,
// the routine queue).
namespace vexoria {

struct Workspace;

// Removes the picture, empties the statement and connection tables and
// classifies ws.codeText; takes the report's title from the routine's header
// when it has one.
void classifyCode(Workspace& ws);

// Sizes the classified table and checks its length; then draws, checks the
// structure, routes the connections and adds the legend when it is switched
// on. A chart too long for one picture is drawn whole, refused, or planned in
// parts as the user answers; its first part is drawn and "Далее" draws the
// others. Returns false when sizing stopped the build (ws.parts tells why). A
// setting out of its range stops it before anything is sized: it throws
// ConversionError naming the setting, ws.settingsFile and the range.
bool drawChart(Workspace& ws);

// "Далее": the next part of a chart built in parts, its connections, and on
// the last part the legend. Nothing when no part is left.
void drawNextPart(Workspace& ws);

// After classifying: the routine holds no code the chart can show (an empty
// text, blanks only, or text with no statement): no block but the end.
bool holdsNoCode(const Workspace& ws);

// The page markers' default places for the diagram on show, shown with
// "Разметка страниц".
void placePageMarkers(Workspace& ws);
// "Разметка страниц" from the menu: the default places, shown.
void showPageMarkers(Workspace& ws);
// "Подписать линии": the break labels of the picture on show's connections
// at the page markers, on a white brush.
void labelLines(Workspace& ws);

} // namespace vexoria
