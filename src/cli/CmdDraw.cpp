#include "cli/Commands.h"
#include "cli/WholeChart.h"
#include "layout/DiagramCanvas.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/RecordingCanvas.h"

namespace vexoria::cli {

namespace {

// Runs the whole build on a recording canvas measuring in the diagram font
// and prints every canvas call, one per line, as it is made.
int runDraw(const CommandInfo& info, const Args& args, Io& io)
{
    const auto opts = buildOptions(info, args, io);
    if (!opts) return 2;
    CliPrompter prompter(io.err, opts->answer);
    Workspace ws;
    if (!prepareWorkspace(ws, *opts, prompter, io)) return 1;
    RecordingCanvas canvas(RecordingCanvas::fontMetric());
    canvas.setSink([&io](const QString& line) { io.out << line << '\n'; });
    ws.canvasOverride = &canvas;
    return guarded(io, [&] {
        classifyCode(ws);
        warnIfNoCode(ws, opts->file, io);
        const bool whole = drawChartWhole(ws, opts->answer == Answer::No);
        io.out.flush();
        // With the answer Yes the build stops after part 1 of the chart; that
        // part's calls are what was printed.
        if (!whole && !ws.parts.nextPartAvailable()) {
            reportNotDrawn(ws, io);
            return 1;
        }
        return 0;
    });
}

} // namespace

const CommandInfo& drawCommand()
{
    static const CommandInfo info{"draw",
                                  "draw [--ini INI] [--answer A] FILE",
                                  "Build the chart of a routine on a recording canvas and print every canvas call.",
                                  {kIniOption, kAnswerOption},
                                  1,
                                  1,
                                  "With --answer yes only part 1 of a chart built in parts is printed.\n"
                                  "The format is described in docs/formats.md.",
                                  runDraw};
    return info;
}

} // namespace vexoria::cli
