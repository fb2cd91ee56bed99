#include "cli/Commands.h"
#include "cli/RenderUnit.h"

namespace vexoria::cli {

namespace {

// One line per routine line of the unit: its number, a tab, the line as it
// stands in the unit.
int runRoutines(const CommandInfo& /*info*/, const Args& args, Io& io)
{
    const auto unit = readUnit(args.files.value(0), io);
    if (!unit) return 1;
    for (const UnitRoutine& r : unit->routines) io.out << r.number << '\t' << r.line << '\n';
    io.out.flush();
    return 0;
}

} // namespace

const CommandInfo& routinesCommand()
{
    static const CommandInfo info{"routines",
                                  "routines FILE",
                                  "List the routines of a Pascal unit, as the window's routine queue does.",
                                  {},
                                  1,
                                  1,
                                  "Prints one line per routine line of the unit's implementation section (of\n"
                                  "the whole file when it has no implementation line): its number from 1, a\n"
                                  "tab, and the line as it stands. A line is a routine line when it holds\n"
                                  "procedure, function, constructor or destructor (in any case) and no\n"
                                  "apostrophe.\n"
                                  "render FILE --routine K draws the routine of number K.",
                                  runRoutines};
    return info;
}

} // namespace vexoria::cli
