#pragma once
// The stages of a build, each an action of the main window. Each is defined in
// its subsystem's folder; the pipeline calls them in order.
namespace vexoria {

struct Workspace;

void AbasaExecute(Workspace& ws);     // classify the code into statement rows
void AprepareExecute(Workspace& ws);  // structure check
void ArazmerExecute(Workspace& ws);   // block sizing and length check
void AshemaExecute(Workspace& ws);    // drawing pass
void AsoedinExecute(Workspace& ws);   // connections
void AdlinExecute(Workspace& ws);     // cut search and first part of a split chart
void N15Click(Workspace& ws);         // "Далее": the next part of a split chart
void AlegendExecute(Workspace& ws);   // legend
void ArlistExecute(Workspace& ws);    // default places of the page markers
void N24Click(Workspace& ws);         // "Разметка страниц": the markers' default places, shown
void AzakExecute(Workspace& ws);      // break labels at the page markers
void N25Click(Workspace& ws);         // "Подписать линии": animation off, white brush, break labels

} // namespace vexoria
