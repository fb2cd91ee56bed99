#include "pages/PageBands.h"

#include <algorithm>

#include "pages/PageMarkers.h"

namespace vexoria {

std::vector<int> pageEnds(const PageMarkers& markers, int h)
{
    std::vector<int> ends;
    if (h <= 0) return ends;
    int k = 1;
    for (; k <= PageMarkers::kCount && markers.placed(k); ++k) {
        ends.push_back(markers.offset(k));
        if (ends.back() >= h) return ends;
    }
    // Every step below adds a page height, so the loop reaches h.
    int end = ends.empty() ? 0 : ends.back();
    while (end < h) {
        end = std::min(end + kPageHeight, h);
        ends.push_back(end);
    }
    return ends;
}

std::vector<PageBand> pageBands(const PageMarkers& markers, int h)
{
    const std::vector<int> ends = pageEnds(markers, h);
    const int n = static_cast<int>(ends.size());
    std::vector<PageBand> bands;
    bands.reserve(ends.size());
    for (int k = 1; k <= n; ++k) {
        const int end = ends[static_cast<std::size_t>(k - 1)];
        PageBand b;
        b.page = k;
        b.bottom = end + 6;
        if (k == 1) {
            b.top = 0;
            b.rows = end + 6;
        } else {
            const int prev = ends[static_cast<std::size_t>(k - 2)];
            const int t = k == n ? 0 : 3;
            b.top = prev + t;
            b.rows = end - prev + 6;
        }
        bands.push_back(b);
    }
    return bands;
}

} // namespace vexoria
