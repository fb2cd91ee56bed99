// Default places of the page markers for a freshly drawn diagram.
#include "pages/PageMarkers.h"
#include "pipeline/BuildStages.h"
#include "pipeline/Workspace.h"

namespace vexoria {

void placePageMarkers(Workspace& ws)
{
    ws.pageMarkers.placeDefault(ws.diagram.height());
    // Without "Разметка страниц" the markers are placed all the same, since
    // printing reads them, but not shown.
    if (!ws.settings.markPages) ws.pageMarkers.hideAll();
}

void showPageMarkers(Workspace& ws)
{
    ws.pageMarkers.placeDefault(ws.diagram.height());
}

} // namespace vexoria
