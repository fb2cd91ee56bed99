// How long the block pass and the whole build take on a long chart, and how
// much memory its picture needs. The routine is generated: a fixed mix of
// conditions, loops and case statements giving about 1,000 blocks on a chart
// about 60,000 pixels tall (a block with its gap is at least 45 pixels), drawn
// whole: the maximum length is set above the chart's length, and the length
// question is answered No. Most of the time goes into making and whitening
// the picture (700 by 60,000 pixels, 170 MB).
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include "pipeline/Pipeline.h"
#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"
#include "platform/core/Prompter.h"

using namespace vexoria;

namespace {

class SilentPrompter : public Prompter {
public:
    void message(const QString&) override {}
    Answer question(const QString&, const QString&, Buttons, Icon) override { return Answer::No; }
};

QString longRoutine(int groups)
{
    QStringList out{"procedure Long(var a: array of Integer; n: Integer);", "var", "  i, s: Integer;", "begin"};
    for (int k = 0; k < groups; ++k) {
        switch (k % 4) {
        case 0:
            out << QStringLiteral("  if a[%1] > s then").arg(k) << "  begin" << QStringLiteral("    s := a[%1];").arg(k)
                << "  end;";
            break;
        case 1:
            out << QStringLiteral("  for i := 0 to %1 do").arg(k) << "  begin" << "    s := s + a[i];" << "  end;";
            break;
        case 2:
            out << QStringLiteral("  while s > %1 do").arg(k) << "  begin" << "    s := s div 2;" << "  end;";
            break;
        default:
            out << "  case s of" << QStringLiteral("    %1: s := 0;").arg(k) << "  end;";
            break;
        }
    }
    out << "end;";
    return out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

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

// Text widths and pictures need a GUI application, never a display.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_drawing";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

void prepare(Workspace& ws, SilentPrompter& prompter, const QString& code)
{
    ensureApplication();
    ws.prompter = &prompter;
    ws.settings.edlin = QStringLiteral("1000000");
    ws.codeText = code;
}

// Sizing and the drawing pass only, on the real picture.
void BM_BlockPass(benchmark::State& state)
{
    ensureApplication();
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
BENCHMARK(BM_BlockPass)->Arg(440)->Unit(benchmark::kMillisecond);

// The whole build as the window runs it: classify, size, draw, connect.
void BM_WholeChart(benchmark::State& state)
{
    ensureApplication();
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
BENCHMARK(BM_WholeChart)->Arg(440)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
