#include "platform/drawing/DiagramGlyphs.h"

#include <vector>

#include <QPainter>
#include <QRect>

#include "platform/drawing/DiagramWidths.h"

namespace vexoria {

namespace {

struct Glyphs {
    // Indexed by UTF-16 unit; count 0 with first 0xFFFF for no glyph (a blank
    // has a glyph of no runs).
    std::vector<GlyphEntry> byUnit;
    const GlyphRun* runs = nullptr;
};

Glyphs& glyphs()
{
    static Glyphs g;
    return g;
}

constexpr std::uint16_t kNone = 0xFFFF;

char16_t shownUnit(QChar c) { return c == u'\t' ? u' ' : c.unicode(); }

} // namespace

void removeDiagramGlyphs()
{
    glyphs().byUnit.clear();
    glyphs().runs = nullptr;
}

void installDiagramGlyphs(const GlyphEntry* entries, std::size_t count, const GlyphRun* runs, std::size_t runCount)
{
    removeDiagramGlyphs();
    if (count == 0) return;
    char32_t last = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (entries[i].code <= 0xFFFF && std::size_t(entries[i].first) + entries[i].count <= runCount)
            last = std::max(last, entries[i].code);
    Glyphs& g = glyphs();
    g.byUnit.assign(last + 1, GlyphEntry{0, 0, kNone, 0});
    for (std::size_t i = 0; i < count; ++i)
        if (entries[i].code <= last && std::size_t(entries[i].first) + entries[i].count <= runCount)
            g.byUnit[entries[i].code] = entries[i];
    g.runs = runs;
}

bool glyphsCover(const QString& text)
{
    const Glyphs& g = glyphs();
    if (g.byUnit.empty() || !tableTextWidth(text)) return false;
    for (const QChar c : text) {
        const char16_t u = shownUnit(c);
        if (u >= g.byUnit.size() || g.byUnit[u].first == kNone) return false;
    }
    return true;
}

bool drawGlyphs(QPainter& p, int x, int y, const QString& text)
{
    if (!glyphsCover(text)) return false;
    const Glyphs& g = glyphs();
    int pen = x;
    for (const QChar c : text) {
        const GlyphEntry& e = g.byUnit[shownUnit(c)];
        for (std::uint16_t i = 0; i < e.count; ++i) {
            const GlyphRun& r = g.runs[e.first + i];
            p.fillRect(QRect(pen + r.column, y + r.row, r.length, 1), Qt::black);
        }
        pen += e.advance;
    }
    return true;
}

} // namespace vexoria
