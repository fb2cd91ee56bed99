#include "cli/Commands.h"
#include "cli/WholeChart.h"
#include "tables/ConnectionTableDump.h"
#include "layout/DiagramCanvas.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"

namespace vexoria::cli {

namespace {

// connections [--ini FILE] [--answer yes|no|cancel] FILE
// The connection table after a whole build. With --answer yes a chart built
// in parts is drawn part after part ("Далее" until no part is left), so the
// table holds the rows of every part.
int runConnections(const CommandInfo& info, const Args& args, Io& io)
{
    const auto opts = buildOptions(info, args, io);
    if (!opts) return 2;
    CliPrompter prompter(io.err, opts->answer);
    Workspace ws;
    if (!prepareWorkspace(ws, *opts, prompter, io)) return 1;
    return guarded(io, [&] {
        classifyCode(ws);
        warnIfNoCode(ws, opts->file, io);
        const bool whole = drawChartWhole(ws, opts->answer == Answer::No);
        // Part 1 is on show when sizing stopped the build with a picture
        // drawn; a chart that could not be cut has none.
        const bool inParts = !whole && ws.parts.nextPartAvailable() && ws.diagram.hasPicture();
        if (!whole && !inParts) {
            reportNotDrawn(ws, io);
            return 1;
        }
        if (inParts) {
            for (int part = 2; part <= 3 && ws.parts.nextPartAvailable(); ++part) drawNextPart(ws);
        }
        io.out << dumpConnectionTable(ws.connections);
        io.out.flush();
        return 0;
    });
}

} // namespace

const CommandInfo& connectionsCommand()
{
    static const CommandInfo info{"connections",
                                  "connections [--ini INI] [--answer A] FILE",
                                  "Build the chart of a routine and print its connection table.",
                                  {kIniOption, kAnswerOption},
                                  1,
                                  1,
                                  "With --answer yes a chart built in parts is drawn part after part, so the\n"
                                  "table holds the rows of every part. The format is described in docs/formats.md.",
                                  runConnections};
    return info;
}

} // namespace vexoria::cli
