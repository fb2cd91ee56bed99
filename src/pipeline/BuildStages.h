#pragma once
// The stages of a build, each an action of the main window. Each is defined in
// its subsystem's folder; the pipeline calls them in order.
namespace vexoria {

struct Workspace;

void classifyStatements(Workspace& ws);     // classify the code into statement rows
void checkStructure(Workspace& ws);  // structure check
void sizeBlocks(Workspace& ws);   // block sizing and length check
void drawBlocks(Workspace& ws);    // drawing pass
void routeConnections(Workspace& ws);   // connections
void splitIntoParts(Workspace& ws);     // cut search and first part of a split chart
void drawNextPart(Workspace& ws);         // "Далее": the next part of a split chart
void drawLegend(Workspace& ws);   // legend
void placePageMarkers(Workspace& ws);    // default places of the page markers
void showPageMarkers(Workspace& ws);         // "Разметка страниц": the markers' default places, shown
void writeBreakLabels(Workspace& ws);      // break labels at the page markers
void labelLines(Workspace& ws);         // "Подписать линии": animation off, white brush, break labels

} // namespace vexoria
