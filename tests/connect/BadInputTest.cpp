// Unbalanced tables, random tables and long tables: routing always ends,
// never reads outside the tables and keeps the connection table's order.
#include <chrono>
#include <random>

#include <gtest/gtest.h>

#include "support/PrintTo.h"
#include "RouteTable.h"

namespace vexoria::test {
namespace {

void expectOrdered(const RouteTable& t)
{
    int last = 1;
    for (const ConnectionRow& r : t.ws.connections.rows()) {
        EXPECT_GE(val(r.n), last);
        last = val(r.n);
        EXPECT_GE(val(r.kind), 0);
        EXPECT_LE(val(r.kind), 11);
        // The owning block exists.
        const QString ob = r.ownerKind.str();
        const int drawOrder = val(r.ownerDrawOrder);
        EXPECT_GE(
            t.ws.statements.find([&](const StatementRow& s) { return s.kind == ob && val(s.drawOrder) == drawOrder; }),
            0);
    }
}

TEST(BadInput, EmptyTableRoutesNothing)
{
    RouteTable t;
    t.route();
    EXPECT_EQ(t.ws.connections.size(), 0);
}

TEST(BadInput, MissingClosingRowsStillGiveLines)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("while", 1, kWhileX, 100);
    t.block("if", 2, kIfX, 200);
    t.block("case", 3, kIfX, 300);
    t.block("with", 4, kRectX, 400);
    t.block("repeat", 5, kIfX, 500);
    t.block("for", 6, kRectX, 600);
    t.block("else", 7, kRectX, 700);
    t.block("begin", 8, kRectX, 800);
    t.block("end shema", 9, kEndX, 900);
    t.route();
    expectOrdered(t);
    EXPECT_GE(t.ws.connections.size(), 9);
}

TEST(BadInput, GotoToAMissingLabelAndABreakOutsideALoop)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    StatementRow& g = t.block("goto", 1, kRectX, 100);
    g.link = 99;
    g.closedKind = "goto7"; // an ordinal that the walk never looks for
    t.block("begin", 2, kRectX, 200);
    t.block("break", 3, kRectX, 300);
    t.bareClose(4);
    t.bareClose(5);
    t.block("end shema", 6, kEndX, 400);
    t.route();
    expectOrdered(t);
    // The block after the goto stands in for its label.
    const auto jumps = t.ofKind(4);
    ASSERT_EQ(jumps.size(), 1u);
    EXPECT_EQ(RouteTable::describe(jumps[0]), "2 4 325,140 30,140 30,240 325,240");
}

TEST(BadInput, AChartStartingOnAClosingRowRoutesFromTheNextBlock)
{
    RouteTable t;
    t.bareClose(0);
    t.block("begin", 1, kRectX, 100);
    t.block("end shema", 2, kEndX, 200);
    t.route();
    EXPECT_EQ(t.rows(), QStringList({"1 1 350,160 350,220"}));
}

TEST(BadInput, RandomTablesAlwaysEnd)
{
    const char* kinds[] = {"var",  "if",    "while",   "case",    "goto",  "for",  "repeat", "else",  "begin",
                           "with", "until", "procces", "mylabel", "break", "exit", "try",    "except"};
    const char* closes[] = {"if", "while", "case", "for", "else", "with", "try", ""};
    std::mt19937 rng(20261209);
    for (int round = 0; round < 300; ++round) {
        RouteTable t;
        if (round % 3 == 0) t.colour();
        const int count = 1 + static_cast<int>(rng() % 40);
        t.block("header", 0, kRectX, 0);
        for (int drawOrder = 1; drawOrder <= count; ++drawOrder) {
            const int y = drawOrder * 100;
            if (rng() % 3 == 0) {
                t.close(drawOrder, closes[rng() % 8], static_cast<int>(rng() % (count + 2)));
            } else {
                StatementRow& r = t.block(kinds[rng() % 17], drawOrder, kIfX, y, static_cast<int>(rng() % 60) - 20,
                                          static_cast<int>(rng() % 60) - 20);
                if (rng() % 4 == 0) r.text = "case";
                if (r.kind == "goto" || r.kind == "until") {
                    r.link = static_cast<int>(rng() % (count + 3));
                    r.closedKind =
                        r.kind == "goto" ? QStringLiteral("goto%1").arg(rng() % 4) : QStringLiteral("repeat");
                }
            }
        }
        if (rng() % 5) t.block("end shema", count + 1, kEndX, (count + 1) * 100);
        t.route();
        expectOrdered(t);
    }
}

TEST(BadInput, AThousandBlocksRouteQuickly)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    int drawOrder = 1;
    for (int i = 0; i < 1000; ++i) {
        const int y = drawOrder * 100;
        t.block("if", drawOrder, kIfX, y);
        t.block("begin", drawOrder + 1, kRectX, y + 100);
        t.close(drawOrder + 2, "if", drawOrder);
        drawOrder += 3;
    }
    t.block("end shema", drawOrder, kEndX, drawOrder * 100);
    t.ws.diagram.setHeight(drawOrder * 100 + 100);
    const auto start = std::chrono::steady_clock::now();
    t.route();
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(t.ws.connections.size(), 3001);
    EXPECT_LT(ms, 2000);
}

} // namespace
} // namespace vexoria::test
