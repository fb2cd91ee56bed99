#include "pipeline/Pipeline.h"

#include "analysis/Classify.h"
#include "analysis/StructureCheck.h"
#include "connect/Router.h"
#include "layout/BlockSizing.h"
#include "layout/DrawingPass.h"
#include "layout/Legend.h"
#include "pages/BreakLabels.h"
#include "pipeline/Workspace.h"
#include "platform/settings/SettingLimits.h"

namespace vexoria {

namespace {

void checkStructureOf(Workspace& ws)
{
    ws.enterStage(BuildStage::Check);
    ws.blockCount = checkStructure(ws.statements, ws.prompter, ws.control);
}

void routePart(Workspace& ws, const BuildOptions& options, const ChartPart& part)
{
    ws.enterStage(BuildStage::Connect);
    routeConnections(RouteInput{ws.statements, ws.templates, ws.connections, options, ws.diagram, ws.palette, part,
                                ws.blockCount, ws.control},
                     ws.surface());
}

void addLegend(Workspace& ws, const BuildOptions& options)
{
    if (!options.addLegend) return;
    ws.enterStage(BuildStage::Legend);
    drawLegend(ws.templates, ws.surface(), ws.prompter);
}

// The drawing pass over the whole chart or one part. A part with another
// after it ends at its cut, marked, and its connections are routed there:
// the rows past the cut are not on this picture.
void drawPart(Workspace& ws, const BuildOptions& options, const ChartPart& part)
{
    ws.enterStage(BuildStage::Draw);
    sizeImageToPart(ws.statements, options, ws.surface(), ws.palette, part);
    placePageMarkers(ws.pageMarkers, ws.diagram.height(), options.markPages);
    if (drawBlocks(ws.statements, ws.templates, options, ws.surface(), ws.palette, part, ws.prompter, ws.control))
        routePart(ws, options, part);
}

// The answer Yes to the length question: the cuts, then part 1.
void planParts(Workspace& ws, const BuildOptions& options)
{
    PartPlan& plan = ws.parts;
    plan.next = NextPart::Second;
    plan.stoppedAfterSizing = true;
    checkStructureOf(ws);
    ws.enterStage(BuildStage::Cut);
    const PartCuts cuts =
        splitIntoParts(ws.statements, plan.extraParts, options.maxChartLength, ws.surface().tallestPart(), ws.prompter);
    plan.firstCut = cuts.firstCut;
    plan.secondCut = cuts.secondCut;
    // A chart that cannot be cut has no part 2 for "Далее" to draw: part 1
    // was never drawn and the later rows were moved up for nothing.
    if (!cuts.made) {
        plan.next = NextPart::None;
        return;
    }
    drawPart(ws, options, plan.part(1));
}

} // namespace

void classifyCode(Workspace& ws)
{
    ws.diagram.removePicture();
    ws.statements.close();
    ws.connections.close();
    ws.pictureConnectionsFrom = 0;
    ws.enterStage(BuildStage::Classify);
    if (const std::optional<QString> title = classifyStatements(ws.statements, ws.codeText, ws.templates, ws.control))
        ws.reportTitle = *title;
}

bool drawChart(Workspace& ws)
{
    checkBuildSettings(ws.settings, ws.settingsFile);
    const BuildOptions options = ws.options();
    ws.parts = PartPlan{};
    ws.enterStage(BuildStage::Size);
    const Placement placement = sizeBlocks(ws.statements, ws.templates, options, ws.surface(), ws.control);
    const LengthVerdict verdict = checkLength(placement, options.maxChartLength, ws.prompter);
    ws.parts.extraParts = verdict.extraParts;
    if (verdict.outcome == LengthVerdict::Stop) {
        ws.parts.stoppedAfterSizing = true;
        return false;
    }
    if (verdict.outcome == LengthVerdict::InParts) {
        planParts(ws, options);
        return false;
    }
    const ChartPart whole = ws.parts.part(0);
    drawPart(ws, options, whole);
    checkStructureOf(ws);
    routePart(ws, options, whole);
    addLegend(ws, options);
    return true;
}

void drawNextPart(Workspace& ws)
{
    PartPlan& plan = ws.parts;
    if (plan.next == NextPart::None) return;
    const BuildOptions options = ws.options();
    // The lines of the parts before stay in the table; the picture shows
    // only this part's.
    ws.pictureConnectionsFrom = ws.connections.size();
    if (plan.next == NextPart::Second) {
        plan.stoppedAfterSizing = false;
        const ChartPart second = plan.part(2);
        drawPart(ws, options, second);
        if (plan.extraParts > 1) {
            plan.next = NextPart::Third;
            return;
        }
        routePart(ws, options, second);
    } else {
        const ChartPart third = plan.part(3);
        drawPart(ws, options, third);
        routePart(ws, options, third);
    }
    addLegend(ws, options);
    plan.next = NextPart::None;
}

bool holdsNoCode(const Workspace& ws)
{
    for (const StatementRow& r : ws.statements.rows())
        if (val(r.opensBlock) && r.blockKind() != BlockKind::ChartEnd) return false;
    return true;
}

void placePageMarkers(Workspace& ws) { placePageMarkers(ws.pageMarkers, ws.diagram.height(), ws.settings.markPages); }

void showPageMarkers(Workspace& ws) { showPageMarkers(ws.pageMarkers, ws.diagram.height()); }

void labelLines(Workspace& ws)
{
    labelLines(ws.connections, ws.pictureConnectionsFrom, ws.pageMarkers, diagramCanvas(ws.surface()));
}

} // namespace vexoria
