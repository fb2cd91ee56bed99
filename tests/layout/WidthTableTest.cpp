// Chart texts measured from the width table give the widths the font gives.
#include <iterator>

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>

#include "platform/drawing/DiagramFont.h"
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
    ~InstalledTable() { removeDiagramWidths(); }
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
#endif

} // namespace
} // namespace vexoria::test
