// The road of a chart built in parts: "Схема" draws part 1 and plans the
// rest, each "Далее" draws the next part and its connections only, and a new
// "Схема" starts with no trace of the parts of the chart before.
#include <gtest/gtest.h>

#include <algorithm>

#include <QStringList>

#include "tables/ConnectionTableDump.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/RecordingCanvas.h"
#include "platform/text/TextCodec.h"
#include "support/LongRoutine.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

namespace vexoria::test {
namespace {

// A short routine whose case collector searches the left lanes.
QString shortCase()
{
    return classifierText(QStringLiteral("procedure Q;\nbegin\nwhile a do\nbegin\ncase k of\n1: x := 1;\n"
                                         "2: begin y := 2; if b then z := 3; end;\n3: x := 4;\nend;\nend;\n"
                                         "case m of\n1: x := 5;\n2: y := 6;\nend;\nend;\n"));
}

struct PartsBuild {
    Workspace ws;
    ScriptedPrompter prompter;
    RecordingCanvas canvas{RecordingCanvas::fontMetric()};
    QStringList calls;

    PartsBuild()
    {
        ws.prompter = &prompter;
        ws.canvasOverride = &canvas;
        canvas.setSink([this](const QString& line) { calls << line; });
    }
    // The chart's length as sizing measures it.
    int length(const QString& code)
    {
        ws.settings.maxChartLength = QStringLiteral("1000000");
        build(code);
        int y = 0;
        for (const StatementRow& r : ws.statements.rows()) y = std::max(y, val(r.y));
        return y;
    }
    bool build(const QString& code)
    {
        calls.clear();
        ws.codeText = code;
        classifyCode(ws);
        return drawChart(ws);
    }
    void next()
    {
        calls.clear();
        drawNextPart(ws);
    }
    // The highest draw order of the blocks whose lines the picture on show
    // holds: routing stops at the cut that ends the part.
    int lastOwnerOnShow() const
    {
        int highest = 0;
        for (int i = ws.pictureConnectionsFrom; i < ws.connections.size(); ++i)
            highest = std::max(highest, val(ws.connections.at(i).ownerDrawOrder));
        return highest;
    }
};

TEST(PartPlan, AChartInThreePartsTakesTwoNextsAndThenStops)
{
    PartsBuild b;
    const int length = b.length(loopRoutine(60));
    b.ws.settings.maxChartLength = QString::number(length * 2 / 5);
    b.prompter.script(Answer::Yes);

    EXPECT_FALSE(b.build(loopRoutine(60)));
    const PartPlan& plan = b.ws.parts;
    ASSERT_EQ(plan.extraParts, 2) << b.prompter.messages().join(u'|').toStdString();
    ASSERT_EQ(plan.next, NextPart::Second);
    EXPECT_TRUE(plan.stoppedAfterSizing);
    ASSERT_LT(plan.firstCut, plan.secondCut);
    EXPECT_TRUE(b.calls.contains(QStringLiteral("text 50,10 \"PAT I\"")));
    EXPECT_EQ(b.ws.pictureConnectionsFrom, 0);
    EXPECT_LE(b.lastOwnerOnShow(), plan.firstCut + 1);

    const int partOne = b.ws.connections.size();
    b.next();
    EXPECT_EQ(plan.next, NextPart::Third);
    EXPECT_FALSE(plan.stoppedAfterSizing);
    EXPECT_TRUE(b.calls.contains(QStringLiteral("text 50,10 \"PAT II\"")));
    EXPECT_EQ(b.ws.pictureConnectionsFrom, partOne);
    EXPECT_GT(b.ws.connections.size(), partOne);
    EXPECT_LE(b.lastOwnerOnShow(), plan.secondCut + 1);

    const int partTwo = b.ws.connections.size();
    b.next();
    EXPECT_EQ(plan.next, NextPart::None);
    EXPECT_FALSE(b.calls.join(u'\n').contains(QStringLiteral("PAT")));
    EXPECT_EQ(b.ws.pictureConnectionsFrom, partTwo);
    EXPECT_GT(b.ws.connections.size(), partTwo);
    EXPECT_GT(b.lastOwnerOnShow(), plan.secondCut + 1);

    // Nothing is left: "Далее" draws nothing more.
    const int all = b.ws.connections.size();
    b.next();
    EXPECT_TRUE(b.calls.isEmpty());
    EXPECT_EQ(b.ws.connections.size(), all);
}

TEST(PartPlan, ANewChartIsRoutedAsIfNoChartHadBeenBuiltInPartsBefore)
{
    PartsBuild fresh;
    ASSERT_TRUE(fresh.build(shortCase()));
    const QString expected = dumpConnectionTable(fresh.ws.connections);

    PartsBuild b;
    const int length = b.length(loopRoutine(60));
    b.ws.settings.maxChartLength = QString::number(length * 2 / 5);
    b.prompter.script(Answer::Yes);
    b.build(loopRoutine(60));
    b.next();
    ASSERT_EQ(b.ws.parts.extraParts, 2);

    b.ws.settings.maxChartLength = Settings{}.maxChartLength;
    EXPECT_TRUE(b.build(shortCase()));
    EXPECT_EQ(b.ws.parts.extraParts, 0);
    EXPECT_FALSE(b.ws.parts.nextPartAvailable());
    EXPECT_EQ(dumpConnectionTable(b.ws.connections), expected);
}

} // namespace
} // namespace vexoria::test
