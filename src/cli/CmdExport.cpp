#include "tables/StatementExport.h"
#include "cli/Commands.h"
#include "cli/OutputChecks.h"
#include "cli/WholeChart.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/files/FileNames.h"
#include "platform/drawing/RecordingCanvas.h"

namespace vexoria::cli {

namespace {

// Builds the chart as "Схема" does and writes the statement table as it then
// stands, as the window's "Запись" does after a build. The chart is laid out
// on a canvas that measures in the diagram font and draws nothing: the table
// is the output, a picture would only take memory.
int runExport(const CommandInfo& info, const Args& args, Io& io)
{
    const auto opts = buildOptions(info, args, io);
    if (!opts) return 2;
    if (opts->output.isEmpty()) {
        usageError(info, QStringLiteral("-o OUT is needed"), io);
        return 2;
    }
    if (!checkNotOverInput(info, *opts, opts->output, io)) return 2;
    // The database library opens files by names it spells as UTF-8.
    if (holdsRawBytes(opts->output)) {
        io.err << "vexoria-cli: cannot write " << opts->output
               << ": the database's name is not UTF-8; give a name in UTF-8" << Qt::endl;
        return 1;
    }
    if (!checkOutputFolder(opts->output, io) || !checkDatabaseWritable(opts->output, io)) return 1;
    CliPrompter prompter(io.err, opts->answer);
    Workspace ws;
    if (!prepareWorkspace(ws, *opts, prompter, io)) return 1;
    RecordingCanvas canvas(RecordingCanvas::fontMetric());
    canvas.setSink([](const QString&) {});
    ws.canvasOverride = &canvas;
    return guarded(io, [&] {
        classifyCode(ws);
        warnIfNoCode(ws, opts->file, io);
        // A chart that is cancelled or built in parts still leaves its table
        // as the window would write it.
        drawChartWhole(ws, opts->answer == Answer::No);
        QString error;
        if (!exportStatementTable(ws.statements, opts->output, &error)) {
            io.err << "vexoria-cli: " << error << Qt::endl;
            return 1;
        }
        return 0;
    });
}

} // namespace

const CommandInfo& exportCommand()
{
    static const CommandInfo info{"export",
                                  "export FILE -o OUT [--ini INI] [--answer yes|no|cancel]",
                                  "Build the chart of a routine and write its statement table into an SQLite database.",
                                  {kOutputOption, kIniOption, kAnswerOption},
                                  1,
                                  1,
                                  "OUT gets the table stroka (N, Nom, Stroka, Uslovie, Obiect, Suslovie, X, Y,\n"
                                  "Plx, Ply, Endobiect, No), emptied and filled in one transaction, as the\n"
                                  "window's debug list writes shema/stroka.db. A database that another program\n"
                                  "holds, that cannot be written or that is damaged is left as it was.",
                                  runExport};
    return info;
}

} // namespace vexoria::cli
