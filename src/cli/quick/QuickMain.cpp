// vexoria-cli, the front end, linked statically where the system allows.
// Most commands draw and need Qt's GUI libraries, whose loading alone takes
// most of a short command's time; the front end does not load them. It
// answers --version and measure itself (the widths from a table made from
// the diagram font at build time), hands the commands that need no picture
// to the lean program on Qt's core library (Route.h), and every other
// command, unchanged, to the complete program (FullProgram.h).
#include <cstdio>
#include <cstring>
#include <new>

#include "cli/quick/FullProgram.h"
#include "cli/quick/QuickMeasure.h"
#include "cli/quick/Route.h"

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("vexoria-cli %s\n", VEXORIA_VERSION);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "measure") == 0) {
        // A line that never ends is held until it does.
        try {
            return vexoria::cli::quickMeasure();
        } catch (const std::bad_alloc&) {
            std::fputs("vexoria-cli: not enough memory\n", stderr);
            return 1;
        }
    }
    if (vexoria::cli::forLeanProgram(argc, argv)) return vexoria::cli::runLeanProgram(argv);
    return vexoria::cli::runFullProgram(argv);
}
