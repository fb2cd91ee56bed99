#include "cli/Commands.h"

namespace vexoria::cli {

const std::vector<const CommandInfo*>& allCommands()
{
    static const std::vector<const CommandInfo*> list{
        &rowsCommand(), &connectionsCommand(), &renderCommand(), &routinesCommand(),
        &drawCommand(), &measureCommand(),     &exportCommand(), &printCommand(),
    };
    return list;
}

} // namespace vexoria::cli
