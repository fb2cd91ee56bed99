#include <QFileInfo>

#include "cli/ChartOutput.h"
#include "cli/Commands.h"
#include "cli/OutputChecks.h"
#include "cli/RenderUnit.h"
#include "cli/WholeChart.h"
#include "layout/DiagramCanvas.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/files/OutputFile.h"
#include "platform/pictures/PictureFormat.h"

namespace vexoria::cli {

namespace {

// OUT with "-K" before its extension: chart.png gives chart-1.png.
QString partPath(const QString& out, int part)
{
    const QFileInfo fi(out);
    const QString suffix = fi.suffix();
    const QString base = suffix.isEmpty() ? out : out.left(out.size() - suffix.size() - 1);
    return base + u'-' + QString::number(part) + (suffix.isEmpty() ? QString() : u'.' + suffix);
}

bool writeOne(const ChartOutput& chart, const QString& path, Io& io)
{
    QString error;
    if (!chart.write(path, &error)) {
        io.err << "vexoria-cli: " << error << Qt::endl;
        return false;
    }
    return true;
}

// A chart built in parts (answer Yes): part 1 is on show after sizing; each
// "Далее" draws the next one. Every part is written as OUT-1, OUT-2, OUT-3.
// The later parts come from drawNextPart, which belongs to the partial-chart
// stage; this loop only saves what it draws.
int writeParts(Workspace& ws, const ChartOutput& chart, const QString& out, Io& io)
{
    const int parts = ws.parts.extraParts + 1;
    if (parts < 2 || parts > 3) {
        io.err << "vexoria-cli: the chart was not drawn" << Qt::endl;
        return 1;
    }
    if (isStreamTarget(out)) {
        io.err << "vexoria-cli: the chart is built in " << parts << " parts; -o must name a file, "
               << "which they are written beside as OUT-1 to OUT-" << parts << Qt::endl;
        return 1;
    }
    for (int part = 1; part <= parts; ++part) {
        if (!chart.drawn()) {
            const QString path = partPath(out, part);
            const QString tooTall = chart.tooTall(path);
            if (tooTall != kPictureTooLong) io.err << "vexoria-cli: " << tooTall << Qt::endl;
            else io.err << "vexoria-cli: part " << part << " of the chart was not drawn" << Qt::endl;
            return 1;
        }
        if (!writeOne(chart, partPath(out, part), io)) return 1;
        if (part == parts) break;
        if (!ws.parts.nextPartAvailable()) {
            io.err << "vexoria-cli: part " << part + 1 << " of the chart was not drawn" << Qt::endl;
            return 1;
        }
        drawNextPart(ws);
    }
    return 0;
}

int runRender(const CommandInfo& info, const Args& args, Io& io)
{
    const auto opts = buildOptions(info, args, io);
    if (!opts) return 2;
    if (opts->output.isEmpty()) {
        usageError(info, QStringLiteral("-o OUT is needed"), io);
        return 2;
    }
    if (isUnitRender(args)) return renderUnit(info, args, *opts, io);
    QString formatError;
    const std::optional<PictureFormat> format = outputPictureFormat(opts->output, &formatError);
    if (!format) {
        usageError(info, formatError, io);
        return 2;
    }
    if (!checkNotOverInput(info, *opts, opts->output, io)) return 2;
    if (!checkOutputFolder(opts->output, io)) return 1;
    CliPrompter prompter(io.err, opts->answer);
    Workspace ws;
    if (!prepareWorkspace(ws, *opts, prompter, io)) return 1;
    return renderChart(ws, *format, opts->answer, opts->output, opts->file, io);
}

} // namespace

int renderChart(Workspace& ws, PictureFormat format, Answer answer, const QString& output, const QString& source,
                Io& io)
{
    const ChartOutput chart(ws, format);
    return guarded(io, [&] {
        classifyCode(ws);
        warnIfNoCode(ws, source, io);
        // An SVG or PDF chart has no length limit: one too long for parts is
        // drawn whole unless the answer was to stop.
        const bool whole =
            drawChartWhole(ws, answer == Answer::No || (answer == Answer::Yes && vectorFormat(format).has_value()));
        if (!whole) {
            if (ws.parts.nextPartAvailable() && chart.drawn()) return writeParts(ws, chart, output, io);
            reportNotDrawn(ws, io);
            return 1;
        }
        if (!chart.drawn()) {
            io.err << "vexoria-cli: " << chart.tooTall(output) << Qt::endl;
            return 1;
        }
        return writeOne(chart, output, io) ? 0 : 1;
    });
}

const CommandInfo& renderCommand()
{
    static const CommandInfo info{
        "render",
        "render FILE -o OUT [--ini INI] [--answer yes|no|cancel] [--routine K|NAME | --all [--format F]]",
        "Build the chart of a routine and write it as a picture.",
        {kOutputOption, kIniOption, kAnswerOption, kRoutineOption, kAllOption, kFormatOption},
        1,
        1,
        "The format comes from the extension of OUT: .png, .bmp, .jpg or .jpeg for a\n"
        "picture, .svg or .pdf for a vector chart (text stays text; no length limit;\n"
        "a PDF is one page of the chart's own proportions); any other extension, or\n"
        "none, is a usage error. OUT may be - for standard output;\n"
        "a FIFO or a device is written in place. Standard output, a FIFO or a device\n"
        "without an extension gets PNG. With --answer yes a chart longer than the\n"
        "length limit is built in parts, written as OUT-1, OUT-2 and OUT-3 before the\n"
        "extension (OUT must then name a file).\n"
        "\n"
        "With --routine or --all, FILE is a Pascal unit and its routines are taken\n"
        "as the window's routine queue takes them (see vexoria-cli routines):\n"
        "--routine K draws the K-th routine (from 1), --routine NAME the routine of\n"
        "that name (TIOStream.Read, or Read when only one routine has it).\n"
        "--all draws every routine into the folder OUT, one file per routine named\n"
        "after it, prints a line per routine on standard error, goes on past a\n"
        "routine that fails and ends with status 1 when any failed. The routines are\n"
        "drawn on every core; the lines keep the order of the list.\n"
        "With --all, FILE may be a folder: every unit in it and its subfolders (.pas,\n"
        ".pp, .inc, .lpr, .dpr) is drawn into a folder of its own under OUT, in a tree\n"
        "that mirrors FILE's, with a line per unit on standard error and a summary.",
        runRender};
    return info;
}

} // namespace vexoria::cli
