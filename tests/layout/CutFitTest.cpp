// A chart built in parts: every part fits in a picture, however long the
// chart and whatever the length limit (edlin) asks for.
#include <gtest/gtest.h>

#include "support/LongRoutine.h"
#include "support/ScriptedPrompter.h"
#include "layout/CutFit.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/DisplayList.h"

namespace vexoria::test {
namespace {

const QString kCannotCut = QStringLiteral("Не возможно разделить Блок-схему\rЕдиный процесс");

// The length of the chart drawn whole (on a display list: no picture).
int wholeLength(const QString& code)
{
    Workspace ws;
    ScriptedPrompter none;
    DisplayList drawing(&ws.diagram);
    ws.prompter = &none;
    ws.canvasOverride = &drawing;
    ws.settings.maxChartLength = "1000000";
    ws.codeText = code;
    classifyCode(ws);
    drawChart(ws);
    return ws.diagram.height();
}

// A build answered Yes with the given length limit and pictures of at most
// `tallest` rows; the heights of the parts drawn, in order.
struct PartsBuild {
    PartsBuild(const QString& code, int maxChartLength, int tallest)
    {
        prompter.script(Answer::Yes);
        ws.prompter = &prompter;
        ws.diagram.setMaxPictureBytes(qint64(tallest) * ws.diagram.width() * 4);
        ws.settings.maxChartLength = QString::number(maxChartLength);
        ws.codeText = code;
        classifyCode(ws);
        drawChart(ws);
        if (!ws.parts.nextPartAvailable()) return;
        const int parts = ws.parts.extraParts + 1;
        for (int part = 1; part <= parts && ws.diagram.hasPicture(); ++part) {
            heights.push_back(ws.diagram.height());
            if (part < parts) drawNextPart(ws);
        }
    }
    Workspace ws;
    ScriptedPrompter prompter;
    std::vector<int> heights;
};

// 150 conditions and 150 loops, one after the other: the cut search's 31
// candidates all lie in the top tenth of the chart, and the part after them
// was nearly the whole chart.
class LongChartInParts : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_length = wholeLength(longRoutine(150)); }
    static inline int s_length = 0;
};

TEST_F(LongChartInParts, TwoPartsEachFitThePicture)
{
    ASSERT_GT(s_length, 30000);
    const int tallest = s_length * 6 / 10;
    // Any limit that asks for two parts.
    for (int maxChartLength : {s_length * 2 / 3, s_length * 9 / 10}) {
        PartsBuild b(longRoutine(150), maxChartLength, tallest);
        ASSERT_EQ(b.ws.parts.extraParts, 1) << maxChartLength;
        ASSERT_EQ(b.heights.size(), 2u) << maxChartLength << ": " << b.prompter.messages().join('|').toStdString();
        for (int h : b.heights) EXPECT_LE(h, tallest) << maxChartLength;
        EXPECT_GT(b.heights[0], s_length / 3) << maxChartLength;
    }
}

TEST_F(LongChartInParts, ThreePartsEachFitThePicture)
{
    const int tallest = s_length * 45 / 100;
    PartsBuild b(longRoutine(150), s_length * 2 / 5, tallest);
    ASSERT_EQ(b.ws.parts.extraParts, 2);
    ASSERT_EQ(b.heights.size(), 3u) << b.prompter.messages().join('|').toStdString();
    for (int h : b.heights) EXPECT_LE(h, tallest);
    EXPECT_LT(b.ws.parts.firstCut, b.ws.parts.secondCut);
}

TEST_F(LongChartInParts, NoCutThatFitsIsRefusedNotDrawnOverTheBound)
{
    // Two halves cannot both fit in a third of the chart.
    PartsBuild b(longRoutine(150), s_length * 2 / 3, s_length / 3);
    EXPECT_TRUE(b.heights.empty());
    EXPECT_TRUE(b.ws.parts.stoppedAfterSizing);
    EXPECT_TRUE(b.prompter.messages().contains(kCannotCut)) << b.prompter.messages().join('|').toStdString();
}

TEST(FittingCuts, EachCutIsNearestItsShareAndThePartsMustFit)
{
    const std::vector<CutPlace> places{{10, 100}, {20, 450}, {30, 520}, {40, 700}, {50, 950}};
    EXPECT_EQ(fittingCuts(places, 2, 1000, 1000), (std::vector<int>{30}));
    EXPECT_EQ(fittingCuts(places, 3, 1000, 1000), (std::vector<int>{20, 40}));
    // 520 + the margin is over 700.
    EXPECT_EQ(fittingCuts(places, 2, 1000, 700), std::nullopt);
    EXPECT_EQ(fittingCuts({}, 2, 1000, 100000), std::nullopt);
    // A later cut lies below the one before it.
    EXPECT_EQ(fittingCuts({{10, 500}, {20, 400}}, 3, 900, 100000), std::nullopt);
}

} // namespace
} // namespace vexoria::test
