// Routing of hand-made statement tables: the walk, the lanes, and every kind
// of block, checked against coordinates worked out from the templates.
#include <gtest/gtest.h>

#include "support/PrintTo.h"
#include "RouteTable.h"
#include "connect/Router.h"
#include "platform/text/ConversionError.h"

namespace vexoria::test {
namespace {

TEST(RoutingFrame, HeaderBeginEndGivesTwoRowsAndStopsAtTheEnd)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("begin", 1, kRectX, 100);
    t.block("end shema", 2, kEndX, 200);
    t.route();
    EXPECT_EQ(t.rows(), QStringList({"1 1 350,60 350,120", "2 1 350,160 350,220"}));
    EXPECT_TRUE(t.drew(R"(text 375,100 "Переход")"));
    EXPECT_TRUE(t.drew("polyline 370,110 350,120 330,110"));
    EXPECT_EQ(t.ws.statements.position(), 2);

    // A rebuild starts from an empty table.
    t.ws.connections.close();
    t.route();
    EXPECT_EQ(t.ws.connections.size(), 2);
}

TEST(RoutingFrame, LaneAllocationTakesNewLanesAndReusesFreedOnes)
{
    RouteTable t;
    Router r(t.in, t.canvas);
    r.setLaneStep(20);
    r.resetLanes(700, 2000);
    EXPECT_EQ(r.allocRight(100, 200), 680);
    EXPECT_EQ(r.allocRight(150, 300), 660); // the newest lane is still taken at 150
    EXPECT_EQ(r.allocRight(400, 500), 680); // both lanes are free below 300
    EXPECT_EQ(r.allocRight(450, 480), 660);
    // A segment that runs upwards never searches: it takes a new lane.
    EXPECT_EQ(r.allocRight(600, 550), 640);

    EXPECT_EQ(r.allocLeft(100, 200), 20);
    EXPECT_EQ(r.allocLeft(150, 300), 40);
    EXPECT_EQ(r.allocLeft(250, 400), 60);
    // A case collector on a split chart stops its search at the second lane.
    t.in.part.extraParts = 2;
    EXPECT_EQ(r.allocLeft(500, 600, true), 40);
    t.in.part.extraParts = 1;
    EXPECT_EQ(r.allocLeft(700, 800, true), 20);
    EXPECT_EQ(r.leftLanes().size(), 6u);
}

TEST(RoutingFrame, NonIntegerSpacingEndsBeforeAnythingIsDrawn)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("end shema", 1, kEndX, 100);
    t.ws.settings.laneSpacing = "2x";
    EXPECT_THROW(t.route(), ConversionError);
    EXPECT_TRUE(t.canvas.lines().isEmpty());
    EXPECT_EQ(t.ws.connections.size(), 0);
}

TEST(SequentialBlocks, PlainBeforeElseIsNotFollowedAndEmptyElseHasNoFrame)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("if", 1, kIfX, 100);
    t.block("begin", 2, kRectX, 200);
    t.close(3, "if", 1);
    t.block("else", 4, kRectX, 300);
    t.close(5, "else", 4);
    t.block("procces", 6, kRectX, 400);
    t.block("end shema", 7, kEndX, 500);
    t.route();
    EXPECT_EQ(t.rows(), QStringList({"1 1 350,60 350,120", "2 2 350,160 350,220", "2 6 400,140 680,140 680,330 375,330",
                                     "3 0 350,260 350,320", "4 1 350,360 350,420", "5 1 350,460 350,520"}));
    // The cross mark: two chevrons meeting at 10 px above the else block.
    EXPECT_TRUE(t.drew("polyline 370,300 350,310 330,300"));
    EXPECT_TRUE(t.drew("polyline 370,320 350,310 330,320"));
    EXPECT_TRUE(t.drew(R"(text 260,300 "Нет перехода")"));
    EXPECT_FALSE(t.drew("pen style=dash"));
}

TEST(SequentialBlocks, ElseWithBodyGetsADashedFrame)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("else", 1, kRectX, 100);
    t.block("begin", 2, kRectX, 200);
    t.close(3, "else", 1);
    t.block("procces", 4, kRectX, 300);
    t.block("end shema", 5, kEndX, 400);
    t.route();
    EXPECT_TRUE(t.drew("polyline 350,120 165,120 165,300 540,300 540,120 400,120"));
    EXPECT_TRUE(t.drew(R"(text 190,100 "Блок ELSE")"));
    EXPECT_EQ(t.rows().at(1), "2 1 350,160 350,220");
}

TEST(SequentialBlocks, ColourModeStartsAgainAtTheFirstPaletteEntry)
{
    RouteTable t;
    t.colour();
    t.block("header", 0, kRectX, 0);
    t.block("if", 1, kIfX, 100);
    t.block("begin", 2, kRectX, 200);
    t.close(3, "if", 1);
    t.block("if", 4, kIfX, 300);
    t.block("begin", 5, kRectX, 400);
    t.close(6, "if", 4);
    t.block("end shema", 7, kEndX, 500);
    t.ws.palette.next = 7;
    t.route();
    const auto taken = t.ofKind(2);
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(val(taken[0].color), static_cast<int>(t.ws.palette.colours[0]));
    EXPECT_EQ(val(taken[1].color), static_cast<int>(t.ws.palette.colours[1]));
    // Plain blocks record black whatever the pen.
    for (const auto& r : t.ofKind(1)) EXPECT_EQ(val(r.color), 0);
}

TEST(Conditions, NestedIfsStepLeftAndFollowingIfsReuseTheLane)
{
    RouteTable nested;
    nested.block("header", 0, kRectX, 0);
    nested.block("if", 1, kIfX, 100);
    nested.block("if", 2, kIfX, 200);
    nested.block("begin", 3, kRectX, 300);
    nested.close(4, "if", 2);
    nested.close(5, "if", 1);
    nested.block("procces", 6, kRectX, 400);
    nested.block("end shema", 7, kEndX, 500);
    nested.route();
    const auto no = nested.ofKind(6);
    ASSERT_EQ(no.size(), 2u);
    EXPECT_EQ(RouteTable::describe(no[0]), "2 6 400,140 680,140 680,420 375,420");
    EXPECT_EQ(RouteTable::describe(no[1]), "3 6 400,240 660,240 660,420 375,420");

    RouteTable seq;
    seq.block("header", 0, kRectX, 0);
    seq.block("if", 1, kIfX, 100);
    seq.block("begin", 2, kRectX, 200);
    seq.close(3, "if", 1);
    seq.block("if", 4, kIfX, 300);
    seq.block("begin", 5, kRectX, 400);
    seq.close(6, "if", 4);
    seq.block("procces", 7, kRectX, 500);
    seq.block("end shema", 8, kEndX, 600);
    seq.route();
    const auto no2 = seq.ofKind(6);
    ASSERT_EQ(no2.size(), 2u);
    // The first "Нет" ends on the second if's right entry (centre, top vertex).
    EXPECT_EQ(RouteTable::describe(no2[0]), "2 6 400,140 680,140 680,320 350,320");
    EXPECT_EQ(RouteTable::describe(no2[1]), "4 6 400,340 680,340 680,520 375,520");
}

TEST(Loops, WhileWhoseLastStatementIsAnIf)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("while", 1, kWhileX, 100);
    t.block("if", 2, kIfX, 200);
    t.block("begin", 3, kRectX, 300);
    t.close(4, "if", 2);
    t.close(5, "while", 1);
    t.block("procces", 6, kRectX, 400);
    t.block("end shema", 7, kEndX, 500);
    t.route();
    EXPECT_EQ(t.rows(),
              QStringList({"1 1 350,60 350,120", "2 2 350,160 350,220", "2 7 350,400 350,410 680,410 680,140 413,140",
                           "2 5 288,140 20,140 20,420 325,420", "3 2 350,260 350,320",
                           "3 6 400,240 660,240 660,410 350,410", "4 0 350,360 350,420", "5 1 350,460 350,520"}));
    EXPECT_TRUE(t.drew(R"(text 500,392 "Возврат цикла")"));
    EXPECT_TRUE(t.drew(R"(text 438,120 "Цикл")"));
    EXPECT_TRUE(t.drew("polyline 433,130 413,140 433,150")); // left head into the loop block
}

TEST(Loops, NestedWhilesTakeLanesOneStepApart)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("while", 1, kWhileX, 100);
    t.block("while", 2, kWhileX, 200);
    t.block("begin", 3, kRectX, 300);
    t.close(4, "while", 2);
    t.close(5, "while", 1);
    t.block("procces", 6, kRectX, 400);
    t.block("end shema", 7, kEndX, 500);
    t.route();
    const auto ret = t.ofKind(7);
    const auto out = t.ofKind(5);
    ASSERT_EQ(ret.size(), 2u);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(val(ret[0].x3), 680);
    EXPECT_EQ(val(ret[1].x3), 660);
    EXPECT_EQ(val(out[0].x2), 20);
    EXPECT_EQ(val(out[1].x2), 40);
}

TEST(Loops, ForReadsNoIntoTheBodyAndYesOnTheExit)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("for", 1, kRectX, 100);
    t.block("begin", 2, kRectX, 200);
    t.close(3, "for", 1);
    t.block("procces", 4, kRectX, 300);
    t.block("end shema", 5, kEndX, 400);
    t.route();
    EXPECT_EQ(t.rows(),
              QStringList({"1 1 350,60 350,130", "2 3 350,170 350,220", "2 7 350,300 350,310 680,310 680,140 375,140",
                           "2 4 325,140 20,140 20,320 325,320", "3 0 350,260 350,320", "4 1 350,360 350,420"}));
    EXPECT_TRUE(t.drew(R"(text 375,202 "Нет")"));
    EXPECT_TRUE(t.drew(R"(text 305,122 "Да")"));
}

TEST(Loops, RepeatReturnIsRecordedFromTheRepeatBlock)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("repeat", 1, kIfX, 100);
    t.block("begin", 2, kRectX, 200);
    StatementRow& until = t.block("until", 3, kRectX, 300);
    until.closedKind = "repeat";
    until.link = 1;
    t.block("procces", 4, kRectX, 400);
    t.block("end shema", 5, kEndX, 500);
    t.route();
    EXPECT_EQ(t.rows(), QStringList({"1 1 350,60 350,120", "2 1 350,160 350,220", "2 8 300,120 20,120 20,360 325,360",
                                     "3 1 350,260 350,320", "4 1 350,360 350,420", "5 1 350,460 350,520"}));
    EXPECT_TRUE(t.drew("polyline 280,110 300,120 280,130")); // head into the repeat block
    EXPECT_TRUE(t.drew(R"(text 200,102 "Возврат Цикл")"));
}

TEST(Loops, WithBracketRunsAtHalfALaneStep)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("with", 1, kRectX, 100);
    t.block("begin", 2, kRectX, 200);
    t.close(3, "with", 1);
    t.block("procces", 4, kRectX, 300);
    t.block("end shema", 5, kEndX, 400);
    t.route();
    EXPECT_EQ(t.rows().mid(1, 2), QStringList({"2 1 365,140 365,220", "2 9 325,140 10,140 10,310 365,310"}));
    EXPECT_TRUE(t.drew(R"(text 35,292 "Конец присваивания")"));
    EXPECT_TRUE(t.drew("pen style=dash"));
}

} // namespace
} // namespace vexoria::test
