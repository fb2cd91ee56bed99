#include "pages/PageMarkers.h"

namespace vexoria {

namespace {

// Marker 8's limit is its default offset itself, and the snap-back offset is
// sometimes the default and sometimes the limit: these are the values the
// markers have always had, kept as they are.
constexpr std::array<PageMarkerRules, PageMarkers::kCount> kRules{{
    {32, 702, 1040, 1049, 1040, 232},
    {32, 702, 2080, 2089, 2089, 232},
    {34, 699, 3120, 3129, 3120, 231},
    {34, 699, 4160, 4169, 4160, 231},
    {34, 699, 5200, 5209, 5209, 231},
    {34, 699, 6240, 6249, 6249, 231},
    {34, 699, 7280, 7289, 7289, 231},
    {34, 699, 8320, 8320, 8320, 231},
    {34, 699, 9360, 9369, 9360, 231},
    {34, 699, 10400, 10409, 10409, 229},
    {34, 699, 11440, 11449, 11440, 229},
    {32, 702, 12480, 12489, 12480, 230},
}};

} // namespace

const PageMarkerRules& PageMarkers::rules(int k) { return kRules[static_cast<std::size_t>(k - 1)]; }

QString PageMarkers::caption(int k) { return QString::number(k) + QString(rules(k).hyphens, u'-'); }

void PageMarkers::placeDefault(int h)
{
    m_placedFor = h;
    int k = 1;
    for (; k <= kCount; ++k) {
        Marker& m = at(k);
        m.offset = kPageHeight * k;
        m.shown = true;
        m.placed = true;
        if (kPageHeight * k > h) {
            m.offset = h;
            break;
        }
    }
    for (++k; k <= kCount; ++k) at(k) = Marker{};
}

void PageMarkers::hideAll()
{
    for (Marker& m : m_markers) m.shown = false;
}

void PageMarkers::clear()
{
    m_markers.fill(Marker{});
    m_placedFor = 0;
}

bool PageMarkers::mouseMove(int k, int pointerOffset, int h, bool& dragging)
{
    Marker& m = at(k);
    bool refused = false;
    if (dragging) m.offset = pointerOffset;
    if (m.offset > rules(k).dragLimit) {
        dragging = false;
        m.offset = rules(k).snapBack;
        refused = k == kCount;
    }
    // Nothing limits a drag upward; the next marker keeps a page below.
    if (k < kCount) {
        const int v = m.offset + kPageHeight;
        if (v <= h) {
            Marker& next = at(k + 1);
            next.offset = v;
            next.shown = true;
            next.placed = true;
        }
    }
    return refused;
}

} // namespace vexoria
