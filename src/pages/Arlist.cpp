// Default places of the page markers for a freshly drawn diagram.
#include "pages/PageMarkers.h"
#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"

namespace vexoria {

void ArlistExecute(Workspace& ws)
{
    ws.pageMarkers.placeDefault(ws.diagram.height());
    // Without "Разметка страниц" the markers are placed all the same, since
    // printing reads them, but not shown.
    if (!ws.settings.cbraz) ws.pageMarkers.hideAll();
}

void N24Click(Workspace& ws)
{
    ws.pageMarkers.placeDefault(ws.diagram.height());
}

} // namespace vexoria
