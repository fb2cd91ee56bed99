// `vexoria-cli print` of a 5,500-line routine: the chart built on a display
// list and its sheets drawn and written one after the other. Beside the
// time, the peak memory of the run (the high-water mark of resident memory,
// reset before each run): a print must not grow with the chart's length.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include <QFileInfo>
#include <QTemporaryDir>

#include "pages/PageBands.h"
#include "pages/Report.h"
#include "pages/SheetChart.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/DisplayList.h"
#include "support/BenchSupport.h"

using namespace vexoria;
using namespace vexoria::bench;

namespace {

constexpr int kLines = 5500;

// The routine of longRoutine's groups closest to kLines lines.
QString routineOfLines(int lines)
{
    const int perGroup = static_cast<int>(longRoutine(10).count(u'\n') / 10);
    return longRoutine(lines / perGroup);
}

// Linux keeps the high-water mark of resident memory; writing 5 to
// clear_refs starts it afresh.
void resetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

double peakMemoryMB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void BM_PrintPdf(benchmark::State& state)
{
    const bool oneSheet = state.range(0) != 0;
    const QString code = routineOfLines(kLines);
    SilentPrompter prompter;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    double peak = 0;
    for (auto _ : state) {
        resetPeakMemory();
        Workspace ws;
        ws.prompter = &prompter;
        ws.settings.maxChartLength = QStringLiteral("1000000");
        ws.codeText = code;
        DisplayList drawing(&ws.diagram);
        ws.canvasOverride = &drawing;
        classifyCode(ws);
        drawChart(ws);
        const auto chart =
            std::make_shared<const SheetChart>(std::shared_ptr<const DisplayList>(&drawing, [](const DisplayList*) {}),
                                               QSize(ws.diagram.width(), ws.diagram.height()));
        const std::vector<PageBand> bands = pageBands(ws.pageMarkers, ws.diagram.height());
        const int count = oneSheet ? 1 : static_cast<int>(bands.size());
        const bool written = writeSheetsPdf(path, reportTitle(ws.reportTitle), count, [&](int i) {
            return oneSheet ? vexoria::oneSheet(chart) : pagedSheet(chart, bands[static_cast<std::size_t>(i)]);
        });
        if (!written) state.SkipWithError("the PDF was not written");
        peak = std::max(peak, peakMemoryMB());
        ws.canvasOverride = nullptr;
    }
    state.counters["peak_MB"] = peak;
    state.counters["pdf_kB"] = static_cast<double>(QFileInfo(path).size()) / 1000.0;
}
BENCHMARK(BM_PrintPdf)->ArgName("one_sheet")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
