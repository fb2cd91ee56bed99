// One tick of the arrow animation over the largest chart, and one repaint of
// what it shows over a screen's worth of the chart. The chart is a generated
// routine of conditions, loops and case statements with about 10,000
// connection rows, laid out on a canvas that draws nothing (the animation
// needs only the connection table). A tick must stay far below the timer's
// interval (100 ms by default).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QStringList>

#include "anim/AnimationTick.h"
#include "anim/AnimationOverlay.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/PainterCanvas.h"
#include "platform/drawing/RecordingCanvas.h"
#include "support/BenchSupport.h"

using namespace vexoria;
using namespace vexoria::bench;

namespace {

// Every kind of line the animation runs: conditions with else, for loops,
// repeat loops and case statements.
QString mixedRoutine(int groups)
{
    QStringList out{"procedure Long(var a: array of Integer; n: Integer);", "var", "  i, s: Integer;", "begin"};
    for (int k = 0; k < groups; ++k) {
        switch (k % 4) {
        case 0:
            out << QStringLiteral("  if a[%1] > s then").arg(k) << "    s := a[0]"
                << "  else"
                << "    s := 0;";
            break;
        case 1: out << QStringLiteral("  for i := 0 to %1 do").arg(k) << "    s := s + a[i];"; break;
        case 2:
            out << "  repeat"
                << "    s := s div 2;" << QStringLiteral("  until s < %1;").arg(k);
            break;
        default:
            out << "  case s of" << QStringLiteral("    %1: s := 0;").arg(k) << "    1: s := 2;"
                << "  end;";
            break;
        }
    }
    out << "end;";
    return out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// The connection table of the largest chart, built once.
Workspace& largestChart()
{
    static Workspace* ws = [] {
        static SilentPrompter prompter;
        static RecordingCanvas canvas(RecordingCanvas::fontMetric());
        canvas.setSink([](const QString&) {});
        auto* w = new Workspace;
        w->prompter = &prompter;
        w->canvasOverride = &canvas;
        w->settings.maxChartLength = QStringLiteral("1000000");
        w->codeText = mixedRoutine(1920);
        classifyCode(*w);
        drawChart(*w);
        return w;
    }();
    return *ws;
}

void BM_AnimationTick(benchmark::State& state)
{
    Workspace& ws = largestChart();
    int step = 0;
    for (auto _ : state) {
        animationTick(ws.connections, step, ws.pictureConnectionsFrom);
        benchmark::DoNotOptimize(ws.connections.rows().data());
    }
    state.counters["connection_rows"] = ws.connections.size();
}
BENCHMARK(BM_AnimationTick)->Unit(benchmark::kMicrosecond);

// What the view repaints after a tick: 1,000 pixels of the chart's height,
// halfway down, heads and blinking marks only (the picture itself is copied
// by the view as before).
void BM_AnimationRepaint(benchmark::State& state)
{
    Workspace& ws = largestChart();
    int step = 0;
    animationTick(ws.connections, step, ws.pictureConnectionsFrom);
    int maxY = 0;
    for (const ConnectionRow& r : ws.connections.rows()) maxY = std::max(maxY, val(r.y2));
    const QRect area(0, maxY / 2, 700, 1000);
    QImage screen(area.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&screen);
        p.translate(-area.topLeft());
        PainterCanvas canvas(p);
        paintAnimation(canvas, ws.connections, area, true);
    }
    state.counters["chart_height_px"] = maxY;
}
BENCHMARK(BM_AnimationRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
