// Case statements with their collector lane, and goto, exit and break.
#include <gtest/gtest.h>

#include "support/PrintTo.h"
#include "RouteTable.h"

namespace vexoria::test {
namespace {

StatementRow& caseTest(RouteTable& t, int drawOrder, int y)
{
    StatementRow& r = t.block("if", drawOrder, kIfX, y);
    r.text = "case";
    return r;
}

TEST(CaseStatements, CollectorAndExitsOfPlainBranches)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("case", 1, kIfX, 100);
    caseTest(t, 2, 200);
    t.block("begin", 3, kRectX, 300);
    t.close(4, "if", 2);
    caseTest(t, 5, 400);
    t.block("begin", 6, kRectX, 500);
    t.close(7, "if", 5);
    t.close(8, "case", 1);
    t.block("procces", 9, kRectX, 600);
    t.block("end shema", 10, kEndX, 700);
    t.route();
    EXPECT_EQ(t.rows(),
              QStringList({"1 1 350,60 350,120", "2 1 325,180 325,220", "2 9 300,160 20,160 20,610 325,610",
                           "3 2 350,260 350,320", "3 6 400,240 680,240 680,420 350,420", "4 10 350,410 20,410",
                           "4 0 350,360 350,420", "5 2 350,460 350,520", "5 6 400,440 680,440 680,620 375,620",
                           "6 1 350,560 350,620", "7 1 350,660 350,720"}));
    EXPECT_TRUE(t.drew(R"(text 270,140 "Блок")"));
    EXPECT_TRUE(t.drew(R"(text 120,392 "Выход")"));
    EXPECT_TRUE(t.drew("polyline 40,400 20,410 40,420")); // left head on the collector
}

TEST(CaseStatements, ConditionEndingABranchRecordsOnlyTheLabelPlace)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("case", 1, kIfX, 100);
    caseTest(t, 2, 200);
    t.block("if", 3, kIfX, 300);
    t.block("begin", 4, kRectX, 400);
    t.close(5, "if", 3);
    t.close(6, "if", 2);
    caseTest(t, 7, 500);
    t.block("begin", 8, kRectX, 600);
    t.close(9, "if", 7);
    t.close(10, "case", 1);
    t.block("procces", 11, kRectX, 700);
    t.block("end shema", 12, kEndX, 800);
    t.route();
    const QStringList rows = t.rows();
    EXPECT_TRUE(rows.contains("4 10 120,325")) << rows.join('\n').toStdString();
    EXPECT_TRUE(t.drew("polyline 300,340 20,340"));
    EXPECT_TRUE(t.drew(R"(text 120,322 "Выход "Нет"")"));
    // No "Нет" line of that condition, though it took a right lane.
    for (const auto& r : t.ofKind(6)) EXPECT_NE(val(r.n), 4);
    EXPECT_TRUE(rows.contains("5 10 350,510 20,510"));
}

TEST(CaseStatements, LoopsEndingABranchExitIntoTheCollector)
{
    for (const bool isFor : {false, true}) {
        SCOPED_TRACE(isFor ? "for" : "while");
        RouteTable t;
        t.block("header", 0, kRectX, 0);
        t.block("case", 1, kIfX, 100);
        caseTest(t, 2, 200);
        if (isFor) t.block("for", 3, kRectX, 300);
        else t.block("while", 3, kWhileX, 300);
        t.block("begin", 4, kRectX, 400);
        t.close(5, isFor ? "for" : "while", 3);
        t.close(6, "if", 2);
        caseTest(t, 7, 500);
        t.block("begin", 8, kRectX, 600);
        t.close(9, "if", 7);
        t.close(10, "case", 1);
        t.block("procces", 11, kRectX, 700);
        t.block("end shema", 12, kEndX, 800);
        t.route();
        // No exit through a left lane; the exit ends on the collector with a
        // left head, and a while records only where its label stands.
        EXPECT_TRUE(t.ofKind(isFor ? 4 : 5).empty());
        const auto exits = t.ofKind(10);
        ASSERT_FALSE(exits.empty());
        const int lx = isFor ? 325 : 288;
        EXPECT_EQ(RouteTable::describe(exits[0]), isFor ? "4 10 325,340 20,340" : "4 10 120,325");
        EXPECT_TRUE(t.drew(QStringLiteral("polyline %1,340 20,340").arg(lx)));
        EXPECT_TRUE(t.drew("polyline 40,330 20,340 40,350"));
        EXPECT_TRUE(t.drew(R"(text 120,322 "Выход "Нет"")"));
    }
}

TEST(CaseStatements, BranchesAfterANestedCaseExitIntoItsCollector)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("case", 1, kIfX, 100);
    caseTest(t, 2, 200);
    t.block("case", 3, kIfX, 300);
    caseTest(t, 4, 400);
    t.block("begin", 5, kRectX, 500);
    t.close(6, "if", 4);
    t.close(7, "case", 3);
    t.close(8, "if", 2);
    caseTest(t, 9, 600);
    t.block("begin", 10, kRectX, 700);
    t.close(11, "if", 9);
    caseTest(t, 12, 800);
    t.block("begin", 13, kRectX, 900);
    t.close(14, "if", 12);
    t.close(15, "case", 1);
    t.block("procces", 16, kRectX, 1000);
    t.block("end shema", 17, kEndX, 1100);
    t.route();
    const auto collectors = t.ofKind(9);
    ASSERT_EQ(collectors.size(), 2u);
    EXPECT_EQ(RouteTable::describe(collectors[0]), "2 9 300,160 20,160 20,1010 325,1010");
    EXPECT_EQ(RouteTable::describe(collectors[1]), "4 9 300,360 40,360 40,610 325,610");
    const auto exits = t.ofKind(10);
    ASSERT_EQ(exits.size(), 2u);
    EXPECT_EQ(val(exits[0].x2), 40);
    EXPECT_EQ(val(exits[1].x2), 40); // an outer branch, after the inner statement
}

TEST(Jumps, ExitRunsAlongTheRightEdgeToTheEndOfTheScheme)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("begin", 1, kRectX, 100);
    t.block("exit", 2, kRectX, 200);
    t.block("begin", 3, kRectX, 300);
    t.block("end shema", 4, kEndX, 400);
    t.route();
    EXPECT_EQ(t.rows(), QStringList({"1 1 350,60 350,120", "2 1 350,160 350,220", "3 0 350,260 350,320",
                                     "3 11 375,240 685,240 685,420 425,420", "4 1 350,360 350,420"}));
    EXPECT_TRUE(t.drew("pen style=dot"));
    EXPECT_TRUE(t.drew(R"(text 380,222 "Выход")"));
    EXPECT_TRUE(t.drew(R"(text 260,300 "Нет перехода")"));
}

TEST(Jumps, ExitInColourModeRecordsAPaletteColourButDrawsBlackAndSolid)
{
    RouteTable t;
    t.colour();
    t.block("header", 0, kRectX, 0);
    t.block("exit", 1, kRectX, 100);
    t.block("exit", 2, kRectX, 200);
    t.block("end shema", 3, kEndX, 300);
    t.route();
    const auto jumps = t.ofKind(11);
    ASSERT_EQ(jumps.size(), 2u);
    EXPECT_EQ(val(jumps[0].color), static_cast<int>(t.ws.palette.colours[0]));
    EXPECT_EQ(val(jumps[1].color), static_cast<int>(t.ws.palette.colours[1]));
    EXPECT_EQ(t.ws.palette.next, 2);
    EXPECT_FALSE(t.drew("pen style=dot"));
    EXPECT_FALSE(t.drew(QStringLiteral("pen color=%1").arg(t.ws.palette.colours[1])));
}

TEST(Jumps, BreakRunsInsideTheLoopReturnLaneToTheBlockAfterTheLoop)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("while", 1, kWhileX, 100);
    t.block("if", 2, kIfX, 200);
    t.block("break", 3, kRectX, 300);
    t.close(4, "if", 2);
    t.block("procces", 5, kRectX, 400);
    t.close(6, "while", 1);
    t.block("procces", 7, kRectX, 500);
    t.block("end shema", 8, kEndX, 600);
    t.route();
    const auto jumps = t.ofKind(11);
    ASSERT_EQ(jumps.size(), 1u);
    EXPECT_EQ(RouteTable::describe(jumps[0]), "4 11 375,340 670,340 670,520 375,520");
    EXPECT_EQ(val(t.ofKind(7).at(0).x3), 680);
}

TEST(Jumps, BreakOutsideAnyLoopEndsOnTheLastBlock)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("begin", 1, kRectX, 100);
    t.block("break", 2, kRectX, 200);
    t.block("begin", 3, kRectX, 300);
    t.block("end shema", 4, kEndX, 400);
    t.route();
    const auto jumps = t.ofKind(11);
    ASSERT_EQ(jumps.size(), 1u);
    EXPECT_EQ(RouteTable::describe(jumps[0]), "3 11 375,240 690,240 690,440 425,440");
    EXPECT_EQ(t.rows().last(), "4 1 350,360 350,420");
}

TEST(Jumps, ThreeGotosAreFoundAgainByTheirOrdinals)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    for (int k = 0; k < 3; ++k) {
        StatementRow& g = t.block("goto", k + 1, kRectX, 100 * (k + 1));
        g.link = 5; // the label row's n
        g.closedKind = QStringLiteral("goto%1").arg(k);
    }
    const StatementRow& label = t.block("mylabel", 4, kRectX, 400);
    ASSERT_EQ(val(label.n), 5);
    t.block("procces", 5, kRectX, 500);
    t.block("end shema", 6, kEndX, 600);
    t.route();
    EXPECT_EQ(t.rows(),
              QStringList({"1 1 350,60 350,120", "2 0 350,160 350,220", "2 4 325,140 30,140 30,440 325,440",
                           "3 0 350,260 350,320", "3 4 325,240 30,240 30,440 325,440", "4 0 350,360 350,420",
                           "4 4 325,340 30,340 30,440 325,440", "5 1 350,460 350,520", "6 1 350,560 350,620"}));
    // The goto's thick pen is given back before the next block.
    const QStringList lines = t.canvas.lines();
    const int lastWide = lines.lastIndexOf("pen width=3");
    ASSERT_GE(lastWide, 0);
    EXPECT_GT(lines.lastIndexOf("pen width=1"), lastWide);
}

TEST(Jumps, GotoUpwardsRunsHalfAStepRightOfTheLeftLane)
{
    // A label above the goto, with one left lane taken by a while loop: the
    // jump runs half a step right of that lane.
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    const StatementRow& label = t.block("mylabel", 1, kRectX, 100);
    t.block("while", 2, kWhileX, 200);
    StatementRow& g = t.block("goto", 3, kRectX, 300);
    g.link = val(label.n);
    g.closedKind = "goto0";
    t.close(4, "while", 2);
    t.block("procces", 5, kRectX, 400);
    t.block("end shema", 6, kEndX, 500);
    t.route();
    const auto jumps = t.ofKind(4);
    ASSERT_EQ(jumps.size(), 1u);
    EXPECT_EQ(RouteTable::describe(jumps[0]), "4 4 325,340 30,340 30,140 325,140");
}

} // namespace
} // namespace vexoria::test
