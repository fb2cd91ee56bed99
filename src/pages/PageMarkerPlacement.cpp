// Default places of the page markers for a freshly drawn diagram.
#include "pages/PageMarkers.h"

namespace vexoria {

void placePageMarkers(PageMarkers& markers, int diagramHeight, bool markPages)
{
    markers.placeDefault(diagramHeight);
    // Without "Разметка страниц" the markers are placed all the same, since
    // printing reads them, but not shown.
    if (!markPages) markers.hideAll();
}

void showPageMarkers(PageMarkers& markers, int diagramHeight) { markers.placeDefault(diagramHeight); }

} // namespace vexoria
