#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"

namespace vexoria {

// FIXME: not built yet; the build goes on without this stage.
void AdlinExecute(Workspace& /*ws*/) {}

// FIXME: not built yet.
void N15Click(Workspace& /*ws*/) {}

} // namespace vexoria
