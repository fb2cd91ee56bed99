#include "pipeline/Workspace.h"

namespace vexoria {

Workspace::Workspace()
{
    fillTemplates(templates);
    statements.open();
    connections.open();
}

} // namespace vexoria
