#include "pipeline/Pipeline.h"

#include "pipeline/BuildStages.h"
#include "pipeline/Workspace.h"
#include "platform/settings/SettingLimits.h"

namespace vexoria {

void classifyCode(Workspace& ws)
{
    ws.diagram.removePicture();
    ws.statements.close();
    ws.connections.close();
    ws.pictureConnectionsFrom = 0;
    classifyStatements(ws);
}

bool drawChart(Workspace& ws)
{
    checkBuildSettings(ws.settings, ws.settingsFile);
    sizeBlocks(ws);
    if (ws.ctx.stoppedAfterSizing == 1) {
        ws.ctx.animationOn = 0;
        return false;
    }
    drawBlocks(ws);
    checkStructure(ws);
    routeConnections(ws);
    if (ws.settings.addLegend) drawLegend(ws);
    return true;
}

bool holdsNoCode(const Workspace& ws)
{
    for (const StatementRow& r : ws.statements.rows())
        if (val(r.opensBlock) && r.blockKind() != BlockKind::ChartEnd) return false;
    return true;
}

} // namespace vexoria
