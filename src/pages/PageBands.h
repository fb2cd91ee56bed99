#pragma once
// Which rows of the diagram go onto which printed sheet. A page ends 6 pixels
// below its marker (the marker's rule is drawn there) and the next page
// starts 3 pixels below the marker, so the rule is printed on the earlier
// sheet and the break labels below it on the later one; the last page starts
// on its marker.
#include <vector>

namespace vexoria {

class PageMarkers;

struct PageBand {
    int page = 0;   // 1, 2, …
    int top = 0;    // first diagram row of the band
    int bottom = 0; // one past the last row
    // Rows of the page image the band is stretched into: 3 more than the
    // band on every page but the first and the last. Anything past the
    // image's 1040 rows is cut off.
    int rows = 0;
};

// Where the pages of a diagram h pixels tall end: at the markers in use, in
// order, until one reaches the bottom edge; past the last marker in use
// (a marker dragged up, or a chart longer than twelve pages) every page
// after it is a page height long and the last ends on the bottom edge, so no
// row of the chart is left off the sheets. With the default places that is
// h / 1040 rounded up pages.
std::vector<int> pageEnds(const PageMarkers& markers, int h);

// The bands of all pages of a paged print.
std::vector<PageBand> pageBands(const PageMarkers& markers, int h);

} // namespace vexoria
