#include "pipeline/Workspace.h"

namespace vexoria {

Workspace::Workspace()
{
    fillTemplates(tvobject);
    tstrok.open();
    tstrelka.open();
}

} // namespace vexoria
