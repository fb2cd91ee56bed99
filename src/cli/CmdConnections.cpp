#include "cli/Commands.h"

namespace vexoria::cli {

// FIXME: not built yet.
int cmdConnections(const QStringList& /*args*/, Io& io)
{
    io.err << "vexoria-cli: this command is not available yet" << Qt::endl;
    return 2;
}

} // namespace vexoria::cli
