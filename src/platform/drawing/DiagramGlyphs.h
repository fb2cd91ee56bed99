#pragma once
// Glyphs without the font engine. The chart's text is drawn without
// antialiasing at whole-pixel advances, so each character of the embedded
// face comes out as the same black pixels wherever it stands. The build draws
// every character of the width table alone (cli/quick/MakeWidthTable.cpp)
// and keeps its pixels as runs; a program that has that table hands it over
// here at its start, and a text made only of such characters is then drawn
// on a picture from the runs, without loading the face or starting the GUI
// application. Qt's GUI start-up took longer than drawing a small chart.
#include <cstddef>
#include <cstdint>

#include <QString>

class QPainter;

namespace vexoria {

// One horizontal run of black pixels, relative to the top left of the
// character's cell (the pen position on the top of the text).
struct GlyphRun {
    std::int8_t row;
    std::int8_t column;
    std::uint8_t length;
};

// A character, its advance and its runs: `count` runs from `first` in the
// run table.
struct GlyphEntry {
    char32_t code;
    std::uint16_t advance;
    std::uint16_t first;
    std::uint16_t count;
};

// Takes the glyph table (entries sorted on code); called once, before any
// text is drawn and before any thread is started. The glyphs are used only
// while the width table of the embedded face is installed (DiagramWidths.h):
// the runs stand at the widths that table gives.
void installDiagramGlyphs(const GlyphEntry* entries, std::size_t count, const GlyphRun* runs, std::size_t runCount);
void removeDiagramGlyphs();

// Whether text (as the chart shows it) can be drawn from the glyph table.
bool glyphsCover(const QString& text);

// Draws the text's black pixels with its cell's top left at (x, y), through
// the painter's transformation (whole pixels only: a picture, not a zoomed
// view); false, having drawn nothing, when a character has no glyph.
bool drawGlyphs(QPainter& p, int x, int y, const QString& text);

} // namespace vexoria
