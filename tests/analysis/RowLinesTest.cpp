// Each row knows the lines of the code it was made from, whether the scan
// read the code as it stands or as laid out again: the window selects those
// lines when a block is double-clicked.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/text/TextCodec.h"
#include "support/CodeText.h"
#include "support/ScriptedPrompter.h"

using namespace vexoria;

namespace {

// The row showing `shown` (its text or its head), as (first, last) line.
std::pair<int, int> linesOf(const std::vector<StatementRow>& rows, const QString& shown)
{
    for (const StatementRow& r : rows)
        if (r.text.str().trimmed() == shown || r.headText.str().trimmed() == shown) return {r.firstLine, r.lastLine};
    ADD_FAILURE() << "no row shows " << shown.toStdString();
    return {-2, -2};
}

QString squeezed(QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s"))).toLower(); }

} // namespace

TEST(RowLines, CodeReadAsItStands)
{
    const QString code = test::crlfLines({"procedure P;",       // 0
                                          "var x, y: integer;", // 1
                                          "begin",              // 2
                                          "  x := 1;",          // 3
                                          "  if x > 0 then",    // 4
                                          "    y := 2",         // 5
                                          "  else",             // 6
                                          "    y := 3;",        // 7
                                          "  writeln('a',",     // 8
                                          "          'b');",    // 9
                                          "  while x < 10 do",  // 10
                                          "  begin",            // 11
                                          "    x := x + 1;",    // 12
                                          "  end;",             // 13
                                          "end;"});             // 14
    const auto rows = test::classifiedRows(code);
    EXPECT_EQ(linesOf(rows, QStringLiteral("x := 1;")), std::make_pair(3, 3));
    EXPECT_EQ(linesOf(rows, QStringLiteral("x > 0")), std::make_pair(4, 4));
    EXPECT_EQ(linesOf(rows, QStringLiteral("y := 2")), std::make_pair(5, 5));
    EXPECT_EQ(linesOf(rows, QStringLiteral("y := 3;")), std::make_pair(7, 7));
    EXPECT_EQ(linesOf(rows, QStringLiteral("x < 10")), std::make_pair(10, 10));
    EXPECT_EQ(linesOf(rows, QStringLiteral("x := x + 1;")), std::make_pair(12, 12));
    for (const StatementRow& r : rows)
        if (r.text.str().startsWith(QStringLiteral("writeln"))) {
            EXPECT_EQ(r.firstLine, 8);
            EXPECT_EQ(r.lastLine, 9);
        }
}

// An else-if chain and a loop holding an if on one line are laid out again
// before they are read; their rows still point at the code's own lines.
TEST(RowLines, CodeLaidOutAgain)
{
    const QString code = test::crlfLines({"procedure A;",                              // 0
                                          "begin",                                     // 1
                                          "  if a then x := 1 else if b then x := 2;", // 2
                                          "  for i := 1 to n do if c then",            // 3
                                          "    s := s +",                              // 4
                                          "      i;",                                  // 5
                                          "  while i > 0 do i := i - 1;",              // 6
                                          "  y := 3;",                                 // 7
                                          "end;"});                                    // 8
    const auto rows = test::classifiedRows(code);
    EXPECT_EQ(linesOf(rows, QStringLiteral("a")), std::make_pair(2, 2));
    EXPECT_EQ(linesOf(rows, QStringLiteral("b")), std::make_pair(2, 2));
    EXPECT_EQ(linesOf(rows, QStringLiteral("c")), std::make_pair(3, 3));
    EXPECT_EQ(linesOf(rows, QStringLiteral("s := s + i;")), std::make_pair(4, 5));
    EXPECT_EQ(linesOf(rows, QStringLiteral("i > 0")), std::make_pair(6, 6));
    EXPECT_EQ(linesOf(rows, QStringLiteral("i := i - 1;")), std::make_pair(6, 6));
    EXPECT_EQ(linesOf(rows, QStringLiteral("y := 3;")), std::make_pair(7, 7));
}

// On the routines of the flow faults and the textbook routines, each row that shows a statement of
// the code points at lines that hold what it shows.
TEST(RowLines, EveryShownStatementIsOnItsLines)
{
    const QDir dir(QStringLiteral(VEXORIA_TEST_DATA "/flow"));
    const QStringList files = dir.entryList({QStringLiteral("*.pas")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString code = classifierText(QString::fromUtf8(f.readAll()));
        const QStringList codeLines = code.split(QStringLiteral("\r\n"));
        for (const StatementRow& r : test::classifiedRows(code)) {
            const QString shown = r.isBlock() && !r.headText.str().isEmpty() ? r.headText.str() : r.text.str();
            if (squeezed(shown).isEmpty() || r.isCasePart() || r.isClosing()) continue;
            // Every block the code has points at its lines.
            if (r.isBlock()) EXPECT_GE(r.firstLine, 0) << name.toStdString() << ": " << shown.toStdString();
            if (r.firstLine < 0) continue;
            ASSERT_LE(r.firstLine, r.lastLine) << name.toStdString();
            ASSERT_LT(r.lastLine, codeLines.size()) << name.toStdString();
            const QString held = squeezed(codeLines.mid(r.firstLine, r.lastLine - r.firstLine + 1).join(u' '));
            QString wanted = squeezed(shown);
            if (wanted.endsWith(u';')) wanted.chop(1);
            EXPECT_TRUE(held.contains(wanted)) << name.toStdString() << ": \"" << shown.toStdString()
                                               << "\" is not on lines " << r.firstLine << ".." << r.lastLine;
        }
    }
}
