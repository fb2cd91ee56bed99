#include "pipeline/Pipeline.h"

#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"
#include "platform/core/SettingLimits.h"

namespace vexoria {

void classifyCode(Workspace& ws)
{
    ws.diagram.removePicture();
    ws.tstrok.close();
    ws.tstrelka.close();
    ws.pictureConnectionsFrom = 0;
    AbasaExecute(ws);
}

bool drawChart(Workspace& ws)
{
    checkBuildSettings(ws.settings, ws.settingsFile);
    ArazmerExecute(ws);
    if (ws.ctx.sizingAbort == 1) {
        ws.ctx.animOn = 0;
        return false;
    }
    AshemaExecute(ws);
    AprepareExecute(ws);
    AsoedinExecute(ws);
    if (ws.settings.cblegend) AlegendExecute(ws);
    return true;
}

bool holdsNoCode(const Workspace& ws)
{
    for (const StrokRow& r : ws.tstrok.rows())
        if (val(r.uslovie) && r.obiect != "end shema") return false;
    return true;
}

} // namespace vexoria
