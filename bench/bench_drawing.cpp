// How long the block pass and the whole build take on a long chart, and how
// much memory its picture needs. The routine is generated (support/), drawn
// whole: the maximum length is set above the chart's length, and the length
// question is answered No.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <QImage>
#include <QIODevice>

#include "pipeline/Pipeline.h"
#include "layout/BlockSizing.h"
#include "layout/DrawingPass.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/DisplayList.h"
#include "platform/drawing/RecordingCanvas.h"
#include "platform/pictures/VectorChart.h"
#include "support/BenchSupport.h"

using namespace vexoria;
using namespace vexoria::bench;

namespace {

int countBlocks(const Workspace& ws)
{
    int n = 0;
    for (const StatementRow& r : ws.statements.rows()) n += r.isBlock() ? 1 : 0;
    return n;
}

long peakRssKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Takes what is written and keeps only its size: the benchmarks time the
// making of a chart, not a disk.
class CountingDevice : public QIODevice {
public:
    CountingDevice() { open(QIODevice::WriteOnly); }
    qint64 written = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 len) override
    {
        written += len;
        return len;
    }
};

void prepare(Workspace& ws, SilentPrompter& prompter, const QString& code)
{
    ws.prompter = &prompter;
    ws.settings.maxChartLength = QStringLiteral("1000000");
    ws.codeText = code;
}

// Sizing and the drawing pass only, on the real picture.
void BM_BlockPass(benchmark::State& state)
{
    const QString code = longRoutine(static_cast<int>(state.range(0)));
    SilentPrompter prompter;
    int blocks = 0;
    int height = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Workspace ws;
        prepare(ws, prompter, code);
        classifyCode(ws);
        state.ResumeTiming();
        const BuildOptions options = ws.options();
        sizeBlocks(ws.statements, ws.templates, options, ws.surface());
        sizeImageToPart(ws.statements, options, ws.surface(), ws.palette, ChartPart{});
        drawBlocks(ws.statements, ws.templates, options, ws.surface(), ws.palette, ChartPart{}, ws.prompter);
        benchmark::DoNotOptimize(ws.diagram.image().constBits());
        blocks = countBlocks(ws);
        height = ws.diagram.height();
    }
    state.counters["blocks"] = blocks;
    state.counters["height_px"] = height;
    state.counters["time_per_block"] =
        benchmark::Counter(blocks, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["peak_rss_MB"] = static_cast<double>(peakRssKb()) / 1024.0;
}
BENCHMARK(BM_BlockPass)->Arg(kThousandStatements)->Unit(benchmark::kMillisecond);

// The whole build as the window runs it: classify, size, draw, connect.
void BM_WholeChart(benchmark::State& state)
{
    const QString code = longRoutine(static_cast<int>(state.range(0)));
    SilentPrompter prompter;
    int blocks = 0;
    for (auto _ : state) {
        Workspace ws;
        prepare(ws, prompter, code);
        classifyCode(ws);
        drawChart(ws);
        blocks = countBlocks(ws);
    }
    state.counters["blocks"] = blocks;
    state.counters["time_per_block"] =
        benchmark::Counter(blocks, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["peak_rss_MB"] = static_cast<double>(peakRssKb()) / 1024.0;
}
BENCHMARK(BM_WholeChart)->Arg(kThousandStatements)->Unit(benchmark::kMillisecond);

// The whole build drawn on the recording canvas (every call written as a
// line of text, widths in the diagram font): what the layout and routing
// cost without any picture.
void BM_DrawRecording(benchmark::State& state)
{
    const QString code = longRoutine(static_cast<int>(state.range(0)));
    SilentPrompter prompter;
    qsizetype lines = 0;
    for (auto _ : state) {
        Workspace ws;
        prepare(ws, prompter, code);
        RecordingCanvas canvas(RecordingCanvas::fontMetric());
        ws.canvasOverride = &canvas;
        classifyCode(ws);
        drawChart(ws);
        lines = canvas.lines().size();
    }
    state.counters["calls"] = static_cast<double>(lines);
}
BENCHMARK(BM_DrawRecording)->Arg(kThousandStatements)->Unit(benchmark::kMillisecond);

// The same build as an SVG chart: drawn on a display list, then replayed on
// the SVG canvas. It should cost at most twice the above.
void BM_DrawSvg(benchmark::State& state)
{
    const QString code = longRoutine(static_cast<int>(state.range(0)));
    SilentPrompter prompter;
    qsizetype bytes = 0;
    for (auto _ : state) {
        Workspace ws;
        prepare(ws, prompter, code);
        DisplayList list(&ws.diagram);
        ws.canvasOverride = &list;
        classifyCode(ws);
        drawChart(ws);
        CountingDevice svg;
        paintVectorChart(list, QSize(ws.diagram.width(), ws.diagram.height()), VectorFormat::Svg, svg);
        bytes = svg.written;
    }
    state.counters["svg_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_DrawSvg)->Arg(kThousandStatements)->Unit(benchmark::kMillisecond);

} // namespace
