#include "connect/Router.h"
#include "layout/DiagramCanvas.h"
#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"

namespace vexoria {

// Routes and draws every connection of the chart (or of the part on show)
// and records each line in the connection table, which it leaves sorted on
// the running block number.
void AsoedinExecute(Workspace& ws)
{
    Router router(ws, diagramCanvas(ws));
    router.run();
}

} // namespace vexoria
