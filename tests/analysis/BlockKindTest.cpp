// The kinds the code compares and the words the tables keep: every word must
// come back as its kind, and the kinds' numbers must be the template numbers
// the dispatch of sizing, drawing and routing relies on.
#include <gtest/gtest.h>

#include "tables/ConnectionTable.h"
#include "tables/ShapeTemplates.h"
#include "tables/StatementTable.h"
#include "support/PrintTo.h"

using namespace vexoria;

TEST(BlockKind, EveryTemplateWordIsTheKindOfItsNumber)
{
    ShapeTemplateTable t;
    fillTemplates(t);
    for (const ShapeTemplate& r : t.rows()) {
        const BlockKind k = r.blockKind();
        EXPECT_EQ(static_cast<int>(k), val(r.n)) << r.kind.str().toStdString();
        EXPECT_EQ(kindWord(k), r.kind.str());
    }
}

TEST(BlockKind, WordsAreExactAndOnlyKindsHaveThem)
{
    EXPECT_EQ(kindWord(BlockKind::End), "end");
    EXPECT_EQ(kindFromWord("end"), BlockKind::End);
    EXPECT_EQ(kindFromWord("end shema"), BlockKind::ChartEnd);
    EXPECT_EQ(kindFromWord(""), BlockKind::None);
    // Case, blanks and the goto marks of endobiect name no kind.
    for (const char* other : {"If", "end ", "process", "goto0", "goto12", "caseelse"})
        EXPECT_EQ(kindFromWord(QString::fromUtf8(other)), BlockKind::Unknown) << other;
    EXPECT_EQ(kindWord(BlockKind::None), "");
    EXPECT_EQ(kindWord(BlockKind::Unknown), "");
    EXPECT_EQ(gotoMark(3), "goto3");
}

TEST(BlockKind, RowsKeepTheWordsTheDumpsShow)
{
    StatementRow r;
    r.setBlockKind(BlockKind::Process);
    EXPECT_EQ(r.kind.str(), "procces");
    EXPECT_FALSE(r.isClosing());

    StatementRow closing;
    closing.setBlockKind(BlockKind::End);
    closing.setClosedKind(BlockKind::While);
    EXPECT_EQ(closing.kind.str(), "end");
    EXPECT_EQ(closing.closedKind.str(), "while");
    EXPECT_TRUE(closing.isClosing());
    EXPECT_TRUE(closing.closesWhileOrFor());
    closing.setClosedKind(BlockKind::Repeat);
    EXPECT_FALSE(closing.closesWhileOrFor());
    // An until row names its repeat in endobiect but is no closing row.
    StatementRow until;
    until.setBlockKind(BlockKind::Until);
    until.setClosedKind(BlockKind::While);
    EXPECT_FALSE(until.closesWhileOrFor());

    StatementRow branch;
    branch.setBlockKind(BlockKind::If);
    EXPECT_FALSE(branch.isCasePart());
    branch.markCasePart();
    EXPECT_EQ(branch.text.str(), "case");
    EXPECT_TRUE(branch.isCasePart());
}

TEST(ConnectionKind, VidIsTheKindsNumber)
{
    ConnectionRow r;
    EXPECT_EQ(r.connectionKind(), ConnectionKind::NotFollowed); // unset reads as 0
    r.setConnectionKind(ConnectionKind::LoopReturn);
    EXPECT_EQ(val(r.kind), 7);
    r.setConnectionKind(ConnectionKind::Jump);
    EXPECT_EQ(val(r.kind), 11);
    r.kind = 8;
    EXPECT_EQ(r.connectionKind(), ConnectionKind::RepeatReturn);
    r.ownerKind = "mylabel";
    EXPECT_EQ(r.ownerBlockKind(), BlockKind::Label);
}
