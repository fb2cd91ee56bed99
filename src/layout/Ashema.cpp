#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"

namespace vexoria {

// FIXME: not built yet; the build goes on without this stage.
void AshemaExecute(Workspace& /*ws*/) {}

} // namespace vexoria
