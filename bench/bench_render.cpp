// The whole render of the 1,000-statement routine as `vexoria-cli render`
// does it: classify, size, draw, connect, and write the picture as a PNG
// file. The time a user waits for a long chart.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/pictures/PictureWriter.h"
#include "support/BenchSupport.h"

using namespace vexoria;
using namespace vexoria::bench;

namespace {

void BM_RenderPng(benchmark::State& state)
{
    const QString code = longRoutine(static_cast<int>(state.range(0)));
    SilentPrompter prompter;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.png"));
    for (auto _ : state) {
        Workspace ws;
        ws.prompter = &prompter;
        ws.settings.maxChartLength = QStringLiteral("1000000");
        ws.codeText = code;
        classifyCode(ws);
        drawChart(ws);
        if (!writePicture(ws.diagram.image(), path)) state.SkipWithError("the picture was not written");
    }
    state.counters["file_kB"] = static_cast<double>(QFileInfo(path).size()) / 1000.0;
}
BENCHMARK(BM_RenderPng)->Arg(kThousandStatements)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
