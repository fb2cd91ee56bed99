// Chart texts measured from the width table give the widths the font gives,
// and drawn from the glyph table the pixels the font engine writes.
#include <iterator>
#include <tuple>

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>

#include "platform/drawing/CanvasPainting.h"
#include "platform/drawing/DiagramFont.h"
#include "platform/drawing/DiagramGlyphs.h"
#include "platform/drawing/DiagramWidths.h"
#include "source/TextFile.h"

namespace vexoria::test {
namespace {

// Installs a table for one test and takes it away after it.
struct InstalledTable {
    InstalledTable(const CharWidth* table, std::size_t count, const DiagramFaceFacts& face)
    {
        installDiagramWidths(table, count, face);
    }
    ~InstalledTable()
    {
        removeDiagramWidths();
        removeDiagramGlyphs();
    }
};

const DiagramFaceFacts kSomeFace{true, "Some Sans", 11, 10, 13};

TEST(WidthTable, SumsKnownCharactersAndLeavesTheRestToTheFont)
{
    ASSERT_TRUE(diagramFontIsEmbedded());
    // Deliberately wrong widths, to see which path measured.
    const CharWidth table[] = {{U' ', 100}, {U'a', 10}, {U'b', 1}, {0x416, 1000}};
    const InstalledTable installed(table, std::size(table), kSomeFace);
    EXPECT_EQ(tableTextWidth(QStringLiteral("ab a")), 121);
    EXPECT_EQ(tableTextWidth(QStringLiteral("a\tb")), 111); // a tab is shown as a blank
    EXPECT_EQ(tableTextWidth(QStringLiteral("Ж")), 1000);
    EXPECT_EQ(tableTextWidth(QString()), 0);
    EXPECT_EQ(diagramTextWidth(QStringLiteral("ab")), 11);
    // One character beyond the table, or beyond the BMP, and the font measures.
    for (const QString& text : {QStringLiteral("abc"), QStringLiteral("a😀"), QStringLiteral("a\x0101")}) {
        EXPECT_EQ(tableTextWidth(text), std::nullopt) << qPrintable(text);
        EXPECT_EQ(diagramTextWidth(text), diagramFontMetrics().horizontalAdvance(text)) << qPrintable(text);
    }
    // The face's measures come from the facts.
    EXPECT_EQ(diagramFontFamily(), "Some Sans");
    EXPECT_EQ(diagramTextHeight(), 13);
}

TEST(WidthTable, ATableOfTheFallbackFaceIsNotTaken)
{
    const CharWidth table[] = {{U'a', 10}};
    const InstalledTable installed(table, std::size(table), {false, "DejaVu Sans", 11, 10, 13});
    EXPECT_EQ(tableTextWidth(QStringLiteral("a")), std::nullopt);
    EXPECT_EQ(installedDiagramFace(), nullptr);
    EXPECT_EQ(diagramTextHeight(), diagramFontMetrics().height());
}

#ifdef VEXORIA_WIDTH_TABLE
constexpr CharWidth kBuiltWidths[] = {
#include "DiagramWidthTable.inc"
};
constexpr DiagramFaceFacts kBuiltFace{
#include "DiagramFontFacts.inc"
};
#include "DiagramGlyphTable.inc"

TEST(WidthTable, TheBuiltFactsAreThoseOfTheFace)
{
    const QString family = diagramFontFamily();
    const int ascent = diagramFontMetrics().ascent();
    const int height = diagramFontMetrics().height();
    EXPECT_TRUE(kBuiltFace.embedded);
    EXPECT_EQ(QString::fromUtf8(kBuiltFace.family), family);
    EXPECT_EQ(kBuiltFace.pixelSize, diagramFont().pixelSize());
    EXPECT_EQ(kBuiltFace.ascent, ascent);
    EXPECT_EQ(kBuiltFace.height, height);
}

// Every line of real code of the test data, as the chart shows it.
QStringList codeLines()
{
    QStringList lines;
    QDirIterator it(QStringLiteral(VEXORIA_TEST_DATA), {"*.pas", "*.pp", "*.rows", "*.draw", "*.conn"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly)) lines << decodeTextFile(f.readAll()).lines;
    }
    return lines;
}

TEST(WidthTable, TheBuiltTableGivesTheFontsWidthForEveryLineOfCode)
{
    const QStringList lines = codeLines();
    ASSERT_GT(lines.size(), 500);
    std::vector<int> byFont;
    for (const QString& line : lines) byFont.push_back(diagramTextWidth(line));
    const InstalledTable installed(kBuiltWidths, std::size(kBuiltWidths), kBuiltFace);
    int fromTable = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const std::optional<int> w = tableTextWidth(lines[i]);
        if (!w) continue;
        ++fromTable;
        EXPECT_EQ(*w, byFont[static_cast<std::size_t>(i)]) << qPrintable(lines[i]);
    }
    EXPECT_GT(fromTable, lines.size() * 8 / 10);
}

// A text written on a picture as a band of a long chart is: the painter
// moved up by `shift`, the text's cell at (x, y + shift) of the picture.
QImage written(const QString& text, int x, int y, int shift, bool fromGlyphs, Colour brush = kWhite)
{
    QImage img(160, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.translate(0, -shift);
    if (fromGlyphs) painting::textOutOnPicture(p, x, y + shift, text, brush);
    else painting::textOut(p, x, y + shift, text, brush);
    return img;
}

TEST(GlyphTable, TextsFromTheGlyphsHaveThePixelsTheFontEngineWrites)
{
    const QStringList lines = codeLines();
    const InstalledTable installed(kBuiltWidths, std::size(kBuiltWidths), kBuiltFace);
    installDiagramGlyphs(kGlyphEntries, std::size(kGlyphEntries), kGlyphRuns, std::size(kGlyphRuns));
    int covered = 0;
    int compared = 0;
    for (const QString& line : lines) {
        if (!glyphsCover(line)) continue;
        ++covered;
        // The start of the line at one place, the rest at another: the whole
        // line need not fit, and each part is drawn at a place of its own.
        const int start = static_cast<int>(line.size() % 7);
        for (const QString& text : {line.left(20), line.mid(start, 24)}) {
            if (text.isEmpty()) continue;
            ++compared;
            const int x = static_cast<int>(text.size() % 5);
            ASSERT_EQ(written(text, x, 10, 0, true), written(text, x, 10, 0, false)) << qPrintable(text);
        }
    }
    EXPECT_GT(covered, lines.size() * 8 / 10);
    EXPECT_GT(compared, 1000);
    // Cut by the picture's edges and in a band of a longer chart, on a
    // coloured cell, with tabs, Cyrillic and every sign of the code page.
    const QString mixed = QStringLiteral("\tЁжик_{x}[ъ] := 'Щ№%';\t// «ё» ±§¤");
    ASSERT_TRUE(glyphsCover(mixed));
    for (const auto& [x, y, shift] : {std::tuple{-7, -5, 0}, std::tuple{100, 33, 0}, std::tuple{3, 4, 517}}) {
        EXPECT_EQ(written(mixed, x, y, shift, true, rgb(200, 230, 255)),
                  written(mixed, x, y, shift, false, rgb(200, 230, 255)))
            << x << ',' << y << ',' << shift;
    }
    // A character past the table is written by the font engine, the whole
    // text with it.
    const QString wide = QStringLiteral("x := '日本';");
    EXPECT_FALSE(glyphsCover(wide));
    EXPECT_EQ(written(wide, 2, 10, 0, true), written(wide, 2, 10, 0, false));
    removeDiagramGlyphs();
    EXPECT_FALSE(glyphsCover(QStringLiteral("a")));
}
#endif

} // namespace
} // namespace vexoria::test
