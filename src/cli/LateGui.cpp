#include "cli/LateGui.h"

#include <cstring>


namespace vexoria::cli {

bool mayStartGuiLate(const CommandInfo& cmd, const Args&)
{
    for (const char* late : {"rows", "connections", "draw", "render"})
        if (std::strcmp(cmd.name, late) == 0) return true;
    return false;
}

} // namespace vexoria::cli
