// Exits that leave more than one construct: a loop that ends the body of an
// enclosing loop, a break that leaves its own loop past a sibling loop, an
// until that ends a loop body.
#include <gtest/gtest.h>

#include "support/PrintTo.h"
#include "RouteTable.h"

namespace vexoria::test {
namespace {

// Origins that put these blocks on the centre line x = 350.
constexpr int kForX = 275;    // for: x1 50, x3 100
constexpr int kRepeatX = 250; // repeat: x1 50, x2 150
constexpr int kUntilX = 275;  // until: x5 50, x4 100

// for i … do begin while c do x; end; y  (the while ends the for's body)
RouteTable nestedLoops()
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("for", 1, kForX, 100);
    t.block("while", 2, kWhileX, 200);
    t.block("procces", 3, kRectX, 300);
    t.close(4, "while", 2);
    t.close(5, "for", 1);
    t.block("procces", 6, kRectX, 400);
    t.block("end shema", 7, kEndX, 500);
    return t;
}

TEST(LoopExits, ALoopEndingAnEnclosingLoopsBodyExitsToThatLoopsTest)
{
    RouteTable t = nestedLoops();
    t.route();
    // The while's exit keeps its kind: from its left vertex through a new
    // left lane up to 10 px above the for block, then right onto the for's
    // centre line.
    const auto exits = t.ofKind(5);
    ASSERT_EQ(exits.size(), 1u);
    const ConnectionRow& e = exits[0];
    EXPECT_EQ(val(e.x4), 350);
    EXPECT_EQ(val(e.y4), 100 + 30 - 10);
    EXPECT_EQ(val(e.x2), val(e.x3));
    EXPECT_EQ(val(e.y2), val(e.y1));
    EXPECT_LT(val(e.x2), val(e.x1));
    // The for's own exit still leaves to the block after both loops.
    const auto forExits = t.ofKind(4);
    ASSERT_EQ(forExits.size(), 1u);
    EXPECT_GT(val(forExits[0].y4), 400);
}

TEST(LoopExits, ABreakLeavesItsOwnLoopPastALoopThatOpensAfterIt)
{
    // while b do begin if c then break; while d do x; y; end; z
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("while", 1, kWhileX, 100);
    t.block("if", 2, kIfX, 200);
    t.block("break", 3, kRectX, 300);
    t.close(4, "if", 2);
    t.block("while", 5, kWhileX, 400);
    t.block("procces", 6, kRectX, 500);
    t.close(7, "while", 5);
    t.block("procces", 8, kRectX, 550);
    t.close(9, "while", 1);
    t.block("procces", 10, kRectX, 650);
    t.block("end shema", 11, kEndX, 750);
    t.route();
    const auto jumps = t.ofKind(11);
    ASSERT_EQ(jumps.size(), 1u);
    // It ends on z, after the loop that holds it, not on y after the loop
    // that opened after it.
    EXPECT_GE(val(jumps[0].y4), 650);
    EXPECT_LT(val(jumps[0].y4), 750);
}

TEST(LoopExits, ABreakInALoopThatEndsAnEnclosingBodyGoesToThatLoopsTest)
{
    // for i … do while c do begin if d then break; x; end; y
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("for", 1, kForX, 100);
    t.block("while", 2, kWhileX, 200);
    t.block("if", 3, kIfX, 300);
    t.block("break", 4, kRectX, 400);
    t.close(5, "if", 3);
    t.block("procces", 6, kRectX, 500);
    t.close(7, "while", 2);
    t.close(8, "for", 1);
    t.block("procces", 9, kRectX, 600);
    t.block("end shema", 10, kEndX, 700);
    t.route();
    const auto jumps = t.ofKind(11);
    ASSERT_EQ(jumps.size(), 1u);
    // From the right onto the for's centre line, 10 px above its block.
    EXPECT_EQ(val(jumps[0].x4), 350);
    EXPECT_EQ(val(jumps[0].y4), 100 + 30 - 10);
    EXPECT_GT(val(jumps[0].x3), 350);
}

TEST(LoopExits, AnUntilEndingALoopBodyIsNotFollowedDown)
{
    // for i … do repeat x until c; y
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("for", 1, kForX, 100);
    t.block("repeat", 2, kRepeatX, 200);
    t.block("procces", 3, kRectX, 300);
    StatementRow& until = t.block("until", 4, kUntilX, 400);
    until.closedKind = "repeat";
    until.link = 2;
    t.close(5, "for", 1);
    t.block("procces", 6, kRectX, 500);
    t.block("end shema", 7, kEndX, 600);
    t.route();
    // The until's line down is a line not followed, as after every last
    // block of a loop body; the repeat's return still ends on it.
    bool crossed = false;
    for (const ConnectionRow& r : t.ofKind(0))
        if (r.ownerKind == "until") crossed = true;
    EXPECT_TRUE(crossed);
    for (const ConnectionRow& r : t.ofKind(1)) EXPECT_NE(r.ownerKind.str(), "until");
    EXPECT_EQ(t.ofKind(8).size(), 1u);
}

} // namespace
} // namespace vexoria::test
