#include "cli/WholeChart.h"

#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"

namespace vexoria::cli {

namespace {

// The largest edlin the settings allow.
const QString kLargestLength = QStringLiteral("1000000");

// A chart refused for its length: sizing stopped it, no part is on show,
// and it was measured at more than three times the limit.
bool refusedForLength(const Workspace& ws)
{
    return ws.parts.stoppedAfterSizing && !ws.parts.nextPartAvailable() && ws.parts.extraParts > 2;
}

} // namespace

bool isLengthRefusal(const QString& message)
{
    return message.startsWith(QStringLiteral("Данная версия подерживает только 3 вложения"));
}

bool drawChartWhole(Workspace& ws, bool drawWhole)
{
    if (drawChart(ws)) return true;
    if (!drawWhole || !refusedForLength(ws)) return false;
    // A new build, as on a new workspace: the counters of the refused one
    // would steer this one.
    ws.parts = PartPlan{};
    ws.blockCount = 0;
    ws.palette = BlockPalette{};
    ws.settings.maxChartLength = kLargestLength;
    classifyCode(ws);
    return drawChart(ws);
}

void reportNotDrawn(const Workspace& ws, Io& io)
{
    if (!refusedForLength(ws)) {
        io.err << "vexoria-cli: the chart was not drawn" << Qt::endl;
        return;
    }
    io.err << "vexoria-cli: the chart is more than three times the length limit edlin=" << ws.settings.maxChartLength
           << " long and cannot be built in parts (Данная версия подерживает только 3 вложения); "
           << "draw it whole with --answer no or as .svg or .pdf, or raise edlin in the INI" << Qt::endl;
}

} // namespace vexoria::cli
