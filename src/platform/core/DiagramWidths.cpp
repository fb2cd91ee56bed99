#include "platform/core/DiagramWidths.h"

#include <algorithm>
#include <vector>

#include "platform/core/DiagramFont.h"

namespace vexoria {

namespace {

// Indexed by code point; -1 for a character the table leaves to the font.
std::vector<short>& widths()
{
    static std::vector<short> w;
    return w;
}

} // namespace

void installDiagramWidths(const CharWidth* table, std::size_t count)
{
    std::vector<short>& w = widths();
    w.clear();
    // Only a table of the face in use: with the embedded face missing the
    // widths are the fallback face's, which the table does not know.
    if (!diagramFontIsEmbedded() || count == 0) return;
    char32_t last = 0;
    for (std::size_t i = 0; i < count; ++i) last = std::max(last, table[i].code);
    if (last > 0xFFFF) last = 0xFFFF; // texts are looked up by UTF-16 unit
    w.assign(last + 1, -1);
    for (std::size_t i = 0; i < count; ++i)
        if (table[i].code <= last) w[table[i].code] = static_cast<short>(table[i].width);
}

std::optional<int> tableTextWidth(const QString& text)
{
    const std::vector<short>& w = widths();
    if (w.empty()) return std::nullopt;
    const std::size_t size = w.size();
    int sum = 0;
    for (const QChar c : text) {
        // The chart shows a tab as a blank (diagramShownText).
        const char16_t u = c == u'\t' ? u' ' : c.unicode();
        if (u >= size || w[u] < 0) return std::nullopt; // surrogates are never in the table
        sum += w[u];
    }
    return sum;
}

} // namespace vexoria
