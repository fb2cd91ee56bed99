// A build watched by a control, as the window runs one off its thread: it
// gives exactly what an unwatched build gives, and a stop asked for at any
// moment unwinds it from the stage it is in.
#include <gtest/gtest.h>

#include <set>

#include <QDir>
#include <QFile>

#include "tables/StatementTableDump.h"
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

std::vector<QString> routines()
{
    std::vector<QString> out;
    const QDir dir(QStringLiteral(VEXORIA_SOURCE_DIR "/examples"));
    for (const QString& name : dir.entryList({QStringLiteral("*.pas")})) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        out.push_back(classifierText(decodeCodeText(f.readAll())));
    }
    out.push_back(loopRoutine(30)); // built in two parts, with its later part drawn by "Далее"
    return out;
}

struct Build {
    Workspace ws;
    ScriptedPrompter prompter;
    QStringList calls;
    RecordingCanvas canvas{RecordingCanvas::fontMetric()};

    explicit Build(const QString& code, BuildControl* control = nullptr)
    {
        ws.prompter = &prompter;
        ws.control = control;
        ws.canvasOverride = &canvas;
        ws.settings.maxChartLength = QStringLiteral("2000");
        ws.codeText = code;
        canvas.setSink([this](const QString& line) { calls << line; });
        prompter.script(Answer::Yes);
    }
    void run()
    {
        classifyCode(ws);
        if (!drawChart(ws) && ws.parts.nextPartAvailable()) drawNextPart(ws);
    }
    QString result() const
    {
        return dumpStatementTable(ws.statements) + dumpConnectionTable(ws.connections) + calls.join(u'\n') +
               prompter.messages().join(u'\n');
    }
};

TEST(BuildControl, AWatchedBuildGivesWhatAnUnwatchedOneGives)
{
    for (const QString& code : routines()) {
        Build plain(code);
        plain.run();
        BuildControl control;
        Build watched(code, &control);
        watched.run();
        EXPECT_EQ(watched.result(), plain.result());
        EXPECT_GT(plain.calls.size(), 20);
    }
}

// The stop is asked for after the n-th text width or canvas call, which
// reaches into sizing, drawing and routing; a stop asked for before the
// build stops it as it starts.
TEST(BuildControl, AStopUnwindsTheBuildFromTheStageItIsIn)
{
    const QString code = loopRoutine(30);
    std::set<BuildStage> stoppedIn;
    for (int n = 0; n < 2500; n += 37) {
        BuildControl control;
        Build b(code, &control);
        int count = 0;
        auto tick = [&] {
            if (++count >= n) control.requestStop();
        };
        RecordingCanvas::Metric font = RecordingCanvas::fontMetric();
        b.canvas = RecordingCanvas([&](const QString& s) {
            tick();
            return font(s);
        });
        b.canvas.setSink([&](const QString&) { tick(); });
        if (n == 0) control.requestStop();
        try {
            b.run();
            continue;
        } catch (const BuildCancelled&) {
            stoppedIn.insert(control.stage());
        }
    }
    for (BuildStage s : {BuildStage::Classify, BuildStage::Size, BuildStage::Draw, BuildStage::Connect})
        EXPECT_TRUE(stoppedIn.count(s)) << "never stopped in stage " << static_cast<int>(s);
}

} // namespace
} // namespace vexoria::test
