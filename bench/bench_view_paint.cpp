// What one screen of the diagram view costs to paint from the chart's
// drawing, on the 1,000-statement chart (about 44,500 pixels tall): a
// 1000 × 800 screen in the middle of the chart at 100 % and at 300 % (and
// at 25 % and 10 %, where a screen holds the most), and the filing of the
// drawing by rows that a new chart or a comment costs once. A screen should
// take well under 8 ms for scrolling to stay smooth.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/RowIndexedDrawing.h"
#include "platform/drawing/ScaledPainterCanvas.h"
#include "support/BenchSupport.h"

using namespace vexoria;
using namespace vexoria::bench;

namespace {

const Workspace& thousandStatementChart()
{
    static const Workspace* ws = [] {
        static SilentPrompter prompter;
        auto* w = new Workspace;
        w->prompter = &prompter;
        w->settings.maxChartLength = QStringLiteral("1000000");
        w->codeText = longRoutine(kThousandStatements);
        classifyCode(*w);
        drawChart(*w);
        return w;
    }();
    return *ws;
}

constexpr QSize kScreen{1000, 800};

// One screen at zoom (percent), its top at the middle of the chart, painted
// as the view paints it.
void BM_PaintScreen(benchmark::State& state)
{
    const Workspace& ws = thousandStatementChart();
    RowIndexedDrawing rows;
    rows.rebuild(ws.diagram.drawing());
    const double zoom = static_cast<double>(state.range(0)) / 100;
    QImage screen(kScreen, QImage::Format_ARGB32_Premultiplied);
    const int top = ws.diagram.height() / 2;
    const QRect area(0, top, static_cast<int>(kScreen.width() / zoom) + 1,
                     static_cast<int>(kScreen.height() / zoom) + 1);
    for (auto _ : state) {
        QPainter p(&screen);
        p.scale(zoom, zoom);
        p.translate(0, -top);
        p.fillRect(area, Qt::white);
        ScaledPainterCanvas canvas(p);
        rows.replay(canvas, area);
        p.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
    state.counters["chart_height_px"] = ws.diagram.height();
    state.counters["shapes_on_screen"] = static_cast<double>(rows.shapesMeeting(area));
    state.counters["shapes"] = static_cast<double>(rows.shapeCount());
}
BENCHMARK(BM_PaintScreen)->Arg(100)->Arg(300)->Arg(25)->Arg(10)->Unit(benchmark::kMillisecond);

// The same screen at 100 % from the picture itself, as the view shows it
// on a screen of one device pixel per pixel.
void BM_PaintScreenFromPicture(benchmark::State& state)
{
    const Workspace& ws = thousandStatementChart();
    QImage screen(kScreen, QImage::Format_ARGB32_Premultiplied);
    const QRect area(0, ws.diagram.height() / 2, kScreen.width(), kScreen.height());
    for (auto _ : state) {
        QPainter p(&screen);
        p.drawImage(QRect(QPoint(0, 0), kScreen), ws.diagram.image(), area);
        p.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_PaintScreenFromPicture)->Unit(benchmark::kMillisecond);

// Filing the whole chart's drawing by rows: done once per chart, and again
// after each comment or eraser stroke.
void BM_FileDrawingByRows(benchmark::State& state)
{
    const Workspace& ws = thousandStatementChart();
    RowIndexedDrawing rows;
    for (auto _ : state) {
        rows.rebuild(ws.diagram.drawing());
        benchmark::DoNotOptimize(rows.shapeCount());
    }
    state.counters["calls"] = static_cast<double>(ws.diagram.drawing().itemCount());
}
BENCHMARK(BM_FileDrawingByRows)->Unit(benchmark::kMillisecond);

} // namespace
