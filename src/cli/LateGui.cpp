#include "cli/LateGui.h"

#include <cstring>

#include <QFileInfo>

namespace vexoria::cli {

bool mayStartGuiLate(const CommandInfo& cmd, const Args& args)
{
    for (const char* dump : {"rows", "connections", "draw"})
        if (std::strcmp(cmd.name, dump) == 0) return true;
    if (std::strcmp(cmd.name, "render") != 0 || args.has("--all")) return false;
    const QString suffix = QFileInfo(args.value("-o")).suffix();
    for (const char* late : {"svg", "png", "bmp", "jpg", "jpeg"})
        if (suffix.compare(QLatin1String(late), Qt::CaseInsensitive) == 0) return true;
    return false;
}

} // namespace vexoria::cli
