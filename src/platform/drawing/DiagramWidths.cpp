#include "platform/drawing/DiagramWidths.h"

#include <algorithm>
#include <vector>

namespace vexoria {

namespace {

// Indexed by code point; -1 for a character the table leaves to the font.
std::vector<short>& widths()
{
    static std::vector<short> w;
    return w;
}

std::optional<DiagramFaceFacts>& face()
{
    static std::optional<DiagramFaceFacts> f;
    return f;
}

} // namespace

void removeDiagramWidths()
{
    widths().clear();
    face().reset();
}

const DiagramFaceFacts* installedDiagramFace() { return face() ? &*face() : nullptr; }

void installDiagramWidths(const CharWidth* table, std::size_t count, const DiagramFaceFacts& facts)
{
    removeDiagramWidths();
    // Only a table of the embedded face: the system's fallback face may be
    // another on the machine that runs the program than where it was built.
    if (!facts.embedded || count == 0) return;
    face() = facts;
    std::vector<short>& w = widths();
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
