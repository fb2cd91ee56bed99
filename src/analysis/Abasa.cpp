#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"

namespace vexoria {

// FIXME: not built yet; the build goes on without this stage.
void AbasaExecute(Workspace& /*ws*/) {}

} // namespace vexoria
