// The editor's lines as they were at a build, followed through edits: lines
// moved by lines typed or deleted above them are found where they went, and
// deleted lines are gone, however the deleting was done.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "app/LineAnchors.h"

using namespace vexoria;

namespace {

class LineAnchorsTest : public ::testing::Test {
protected:
    // Lines "L0" … "L5".
    QTextDocument doc{QStringLiteral("L0\nL1\nL2\nL3\nL4\nL5")};
    LineAnchors anchors{doc};

    void SetUp() override { anchors.anchor(); }

    int lineStart(int line) const { return doc.findBlockByNumber(line).position(); }
    void insertAt(int position, const QString& text)
    {
        QTextCursor c(&doc);
        c.setPosition(position);
        c.insertText(text);
    }
    void removeRange(int from, int to)
    {
        QTextCursor c(&doc);
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    }
    std::vector<int> now() const
    {
        std::vector<int> out;
        for (int line = 0; line < 6; ++line) out.push_back(anchors.lineNow(line));
        return out;
    }
};

} // namespace

TEST_F(LineAnchorsTest, LinesTypedAboveOrWithinMoveNothingButWhatIsBelow)
{
    EXPECT_EQ(now(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    insertAt(lineStart(0), QStringLiteral("new\nnew\n"));
    EXPECT_EQ(now(), (std::vector<int>{2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(anchors.lineThen(0), -1) << "a line made since holds no line of the build";
    EXPECT_EQ(anchors.lineThen(4), 2);

    // A line break typed at the start of a line moves that line down; typed
    // at its end, the line stays.
    insertAt(lineStart(4), QStringLiteral("\n"));
    insertAt(lineStart(6) + 2, QStringLiteral("\n"));
    EXPECT_EQ(now(), (std::vector<int>{2, 3, 5, 6, 8, 9}));
    // Typing inside a line keeps it where it is.
    insertAt(lineStart(5) + 1, QStringLiteral("xyz"));
    EXPECT_EQ(anchors.lineNow(2), 5);
}

TEST_F(LineAnchorsTest, DeletedLinesAreGoneWhicheverWayTheyWereSelected)
{
    // Lines 1 and 2 selected from the start of one to the start of line 3.
    removeRange(lineStart(1), lineStart(3));
    EXPECT_EQ(now(), (std::vector<int>{0, -1, -1, 1, 2, 3}));
    EXPECT_EQ(doc.findBlockByNumber(1).text(), QStringLiteral("L3"));
}

TEST_F(LineAnchorsTest, DeletingFromTheEndOfTheLineBeforeAlsoDeletes)
{
    // From the end of line 0 to the end of line 2: the line breaks go with
    // the lines after them.
    removeRange(lineStart(1) - 1, lineStart(3) - 1);
    EXPECT_EQ(now(), (std::vector<int>{0, -1, -1, 1, 2, 3}));
}

TEST_F(LineAnchorsTest, TheMiddleOfOneLineToTheMiddleOfAnotherKeepsTheFirst)
{
    removeRange(lineStart(1) + 1, lineStart(3) + 1);
    EXPECT_EQ(doc.findBlockByNumber(1).text(), QStringLiteral("L3"));
    EXPECT_EQ(now(), (std::vector<int>{0, 1, -1, -1, 2, 3}));
}

TEST_F(LineAnchorsTest, ALineJoinedOntoTheOneBeforeIsGoneUnlessThatOneWasEmpty)
{
    // Backspace at the start of line 2.
    removeRange(lineStart(2) - 1, lineStart(2));
    EXPECT_EQ(now(), (std::vector<int>{0, 1, -1, 2, 3, 4}));

    QTextDocument blank(QStringLiteral("a\n\nb"));
    LineAnchors held(blank);
    held.anchor();
    QTextCursor c(&blank);
    c.setPosition(blank.findBlockByNumber(2).position());
    c.deletePreviousChar();
    EXPECT_EQ(held.lineNow(1), -1);
    EXPECT_EQ(held.lineNow(2), 1);
}

TEST_F(LineAnchorsTest, ReplacingTheWholeTextLetsGoOfEveryLine)
{
    doc.setPlainText(QStringLiteral("other\ntext"));
    EXPECT_EQ(now(), (std::vector<int>{-1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(anchors.lineThen(0), -1);
    EXPECT_TRUE(anchors.isEmpty());

    anchors.anchor();
    QTextCursor all(&doc);
    all.select(QTextCursor::Document);
    all.insertText(QStringLiteral("pasted over"));
    EXPECT_EQ(anchors.lineNow(0), -1);
}
