#include "cli/quick/Route.h"

#include <cctype>
#include <string_view>

namespace vexoria::cli {

namespace {

bool endsWithSvg(std::string_view path)
{
    if (path.size() < 5) return false;
    const std::string_view suffix = path.substr(path.size() - 4);
    return suffix[0] == '.' && std::tolower(static_cast<unsigned char>(suffix[1])) == 's' &&
           std::tolower(static_cast<unsigned char>(suffix[2])) == 'v' &&
           std::tolower(static_cast<unsigned char>(suffix[3])) == 'g';
}

} // namespace

bool forLeanProgram(int argc, char** argv)
{
    if (argc < 3) return false;
    const std::string_view command = argv[1];
    const bool render = command == "render";
    if (!render && command != "rows" && command != "draw") return false;
    bool toSvg = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-" || arg == "--all" || arg == "--format" || arg == "--help" || arg == "-h") return false;
        if (arg == "-o" && i + 1 < argc) toSvg = endsWithSvg(argv[++i]);
    }
    return !render || toSvg;
}

} // namespace vexoria::cli
