// Where a chart that is too long is cut, and the parts that "Далее" draws.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "support/PrintTo.h"
#include "RouteTable.h"
#include "support/ScriptedPrompter.h"
#include "layout/ChartParts.h"
#include "pipeline/Pipeline.h"

namespace vexoria::test {
namespace {

CutCandidates candidates(std::initializer_list<int> drawOrders)
{
    CutCandidates c{};
    int i = 0;
    for (int n : drawOrders) c[static_cast<std::size_t>(i++)] = n;
    return c;
}

TEST(CutSearch, TheFirstCandidateWithinTheWideningToleranceIsTaken)
{
    EXPECT_EQ(chooseCut(candidates({85, 103}), 100), 103); // 85 is not above 90
    EXPECT_EQ(chooseCut(candidates({91, 101}), 100), 91);  // first in slot order, not nearest
    EXPECT_EQ(chooseCut(candidates({60, 130}), 100), 130); // found at tolerance 31
    EXPECT_EQ(chooseCut(candidates({1, 199}), 100), 0);    // never within share - 1
    EXPECT_EQ(chooseCut(candidates({12}), 10), 0);         // a share of 10 has no tolerance to try
    EXPECT_EQ(chooseCut(candidates({40}), 4), 40);         // below 10 the tolerance has no end
    EXPECT_EQ(chooseCut(candidates({}), 4), 0);
    // A slot after an empty one is never read.
    CutCandidates gap = candidates({1});
    gap[2] = 100;
    EXPECT_EQ(chooseCut(gap, 100), 0);
}

TEST(CutSearch, CandidatesAreOutermostClosingRowsInOrder)
{
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("while", 1, kWhileX, 100);
    t.block("if", 2, kIfX, 200);
    t.block("begin", 3, kRectX, 300);
    t.close(4, "if", 2);
    t.close(5, "while", 1);
    t.block("for", 6, kRectX, 400);
    t.block("begin", 7, kRectX, 500);
    t.close(8, "for", 6);
    t.block("end shema", 9, kEndX, 600);
    const CutCandidates c = collectCutCandidates(t.ws.statements, 9, 4);
    EXPECT_EQ(c[0], 5);
    EXPECT_EQ(c[1], 8);
    EXPECT_EQ(c[2], 0);
}

TEST(CutSearch, ACaseIsPassedOverWhole)
{
    // The walk jumps from a branch test to the case's closing row; with that
    // row missing it jumps to the last row, so nothing inside or after the
    // case becomes a candidate.
    RouteTable t;
    t.block("header", 0, kRectX, 0);
    t.block("for", 1, kRectX, 100);
    t.close(2, "for", 1);
    t.block("case", 3, kIfX, 200);
    StatementRow& test = t.block("if", 4, kIfX, 300);
    test.text = "case";
    t.close(5, "if", 4);
    t.block("while", 6, kWhileX, 400);
    t.close(7, "while", 6);
    t.block("end shema", 8, kEndX, 500);
    const CutCandidates c = collectCutCandidates(t.ws.statements, 8, 5);
    EXPECT_EQ(c[0], 2);
    EXPECT_EQ(c[1], 0);
}

// A workspace with a classified and sized routine whose chart is too long,
// answered Yes.
TEST(CutSearch, RandomTablesGiveCandidatesInOrder)
{
    std::mt19937 rng(4242);
    for (int round = 0; round < 200; ++round) {
        RouteTable t;
        const int count = 1 + static_cast<int>(rng() % 80);
        t.block("header", 0, kRectX, 0);
        for (int drawOrder = 1; drawOrder <= count; ++drawOrder) {
            if (rng() % 3 == 0) {
                t.close(drawOrder, rng() % 5 ? "if" : "case", static_cast<int>(rng() % (drawOrder + 1)));
            } else {
                StatementRow& r = t.block(rng() % 2 ? "if" : "case", drawOrder, kIfX, drawOrder * 100);
                if (rng() % 6 == 0) r.text = "case";
            }
        }
        const int share = static_cast<int>(rng() % 40);
        const CutCandidates c = collectCutCandidates(t.ws.statements, count, share);
        // Each candidate lies after the one before it; empty slots stay at the end.
        for (int k = 1; k < kCutSlots; ++k) {
            if (c[static_cast<std::size_t>(k)] == 0) continue;
            EXPECT_GT(c[static_cast<std::size_t>(k)], c[static_cast<std::size_t>(k - 1)]);
        }
        const int cut = chooseCut(c, share);
        if (cut) {
            EXPECT_NE(std::find(c.begin(), c.end(), cut), c.end());
        }
    }
}

// The chart's length as sizing measures it (the y of its last block).
int chartLength(const QString& code)
{
    Workspace ws;
    ScriptedPrompter none;
    ws.prompter = &none;
    ws.settings.maxChartLength = "1000000";
    ws.codeText = code;
    classifyCode(ws);
    drawChart(ws);
    int length = 0;
    for (const StatementRow& r : ws.statements.rows()) length = std::max(length, val(r.y));
    return length;
}

struct SplitBuild {
    // parts: 2 or 3; the maximum length is set so that the chart needs them.
    SplitBuild(const QString& code, int parts)
    {
        prompter.script(Answer::Yes);
        ws.prompter = &prompter;
        ws.settings.maxChartLength = QString::number(chartLength(code) * 2 / (2 * parts - 1));
        ws.codeText = code;
        classifyCode(ws);
        whole = drawChart(ws);
    }
    Workspace ws;
    ScriptedPrompter prompter;
    bool whole = true;
};

QString loops(int count)
{
    QString code = "procedure P;\r\nbegin\r\n";
    for (int i = 0; i < count; ++i) code += "while a do\r\nbegin\r\nx := 1;\r\nend;\r\n";
    return code + "end;\r\n";
}

TEST(CutSearch, ASingleLoopAroundEverythingCannotBeSplit)
{
    QString code = "procedure P;\r\nbegin\r\nwhile a do\r\nbegin\r\n";
    for (int i = 0; i < 30; ++i) code += "if b then\r\nbegin\r\nx := 1;\r\nend;\r\n";
    code += "end;\r\nend;\r\n";
    SplitBuild b(code, 2);
    EXPECT_FALSE(b.whole);
    EXPECT_TRUE(b.ws.parts.stoppedAfterSizing);
    EXPECT_TRUE(b.prompter.messages().contains(QStringLiteral("Не возможно разделить Блок-схему\rЕдиный процесс")))
        << b.prompter.messages().join('|').toStdString();
    // No part 1 was drawn, so there is no part 2 to go on to.
    EXPECT_FALSE(b.ws.parts.nextPartAvailable());
    EXPECT_EQ(b.ws.connections.size(), 0);
}

TEST(CutSearch, TwoPartsAreDrawnOneAfterTheOther)
{
    SplitBuild b(loops(40), 2);
    ASSERT_FALSE(b.whole);
    ASSERT_EQ(b.ws.parts.extraParts, 1) << b.prompter.messages().join('|').toStdString();
    ASSERT_TRUE(b.ws.parts.nextPartAvailable());
    EXPECT_GT(b.ws.parts.firstCut, 0);
    const int firstPart = b.ws.connections.size();
    EXPECT_GT(firstPart, 0);
    // Every row of part 1 lies at or above the cut.
    for (const ConnectionRow& r : b.ws.connections.rows()) EXPECT_LE(val(r.ownerDrawOrder), b.ws.parts.firstCut + 1);

    drawNextPart(b.ws);
    EXPECT_FALSE(b.ws.parts.nextPartAvailable());
    EXPECT_FALSE(b.ws.parts.stoppedAfterSizing);
    // Part 2 adds to the rows of part 1; its numbers start again at 1.
    EXPECT_GT(b.ws.connections.size(), firstPart);
    int last = 0;
    for (const ConnectionRow& r : b.ws.connections.rows()) {
        EXPECT_GE(val(r.n), last);
        last = val(r.n);
    }
}

TEST(CutSearch, ThreePartsTakeTwoPressesOfNext)
{
    SplitBuild b(loops(60), 3);
    ASSERT_FALSE(b.whole);
    ASSERT_EQ(b.ws.parts.extraParts, 2) << b.prompter.messages().join('|').toStdString();
    ASSERT_TRUE(b.ws.parts.nextPartAvailable());
    EXPECT_LT(b.ws.parts.firstCut, b.ws.parts.secondCut);
    const int afterOne = b.ws.connections.size();
    drawNextPart(b.ws);
    EXPECT_TRUE(b.ws.parts.nextPartAvailable());
    const int afterTwo = b.ws.connections.size();
    EXPECT_GT(afterTwo, afterOne);
    drawNextPart(b.ws);
    EXPECT_FALSE(b.ws.parts.nextPartAvailable());
    EXPECT_GT(b.ws.connections.size(), afterTwo);
}

} // namespace
} // namespace vexoria::test
