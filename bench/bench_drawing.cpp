// How long the block pass and the whole build take on a long chart, and how
// much memory its picture needs. The routine is generated (support/), drawn
// whole: the maximum length is set above the chart's length, and the length
// question is answered No.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include "pipeline/Pipeline.h"
#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"
#include "support/BenchSupport.h"

using namespace vexoria;
using namespace vexoria::bench;

namespace {

int countBlocks(const Workspace& ws)
{
    int n = 0;
    for (const StrokRow& r : ws.tstrok.rows()) n += r.isBlock() ? 1 : 0;
    return n;
}

long peakRssKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void prepare(Workspace& ws, SilentPrompter& prompter, const QString& code)
{
    ws.prompter = &prompter;
    ws.settings.edlin = QStringLiteral("1000000");
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
        ArazmerExecute(ws);
        AshemaExecute(ws);
        benchmark::DoNotOptimize(ws.diagram.image().constBits());
        blocks = countBlocks(ws);
        height = ws.diagram.height();
    }
    state.counters["blocks"] = blocks;
    state.counters["height_px"] = height;
    state.counters["time_per_block"] = benchmark::Counter(
        blocks, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
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
    state.counters["time_per_block"] = benchmark::Counter(
        blocks, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["peak_rss_MB"] = static_cast<double>(peakRssKb()) / 1024.0;
}
BENCHMARK(BM_WholeChart)->Arg(kThousandStatements)->Unit(benchmark::kMillisecond);

} // namespace
