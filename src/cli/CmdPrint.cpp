#include <QFileInfo>
#include <QScopeGuard>

#include "cli/Commands.h"
#include "cli/OutputChecks.h"
#include "cli/WholeChart.h"
#include "layout/DiagramCanvas.h"
#include "pages/PageBands.h"
#include "pages/Report.h"
#include "pages/SheetChart.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/DisplayList.h"
#include "platform/files/OutputFile.h"

namespace vexoria::cli {

namespace {

const OptionInfo kOneSheetOption{
    "--one-sheet", nullptr, "fit the whole chart onto one sheet, in its own proportions (\"Уместить на одном листе\")"};
const OptionInfo kLabelsOption{"--labels", nullptr,
                               "label the connections cut by a page break before printing (\"Подписать линии\")"};

// Builds the chart on a display list, labels the breaks when asked and
// writes the sheets one after the other, each drawn from the list straight
// onto its PDF page: no picture is made, neither of the chart nor of a
// sheet, so a chart of any length prints in the memory of its drawing, and
// the PDF holds lines and text, not pixels.
int printChart(Workspace& ws, const BuildOptions& opts, bool oneSheet, bool labels, Io& io)
{
    DisplayList drawing(&ws.diagram);
    ws.canvasOverride = &drawing;
    const auto unbind = qScopeGuard([&ws] { ws.canvasOverride = nullptr; });
    classifyCode(ws);
    warnIfNoCode(ws, opts.file, io);
    // The sheets show the whole chart, however long.
    if (!drawChartWhole(ws, true) || drawing.isEmpty()) {
        reportNotDrawn(ws, io);
        return 1;
    }
    if (labels) labelLines(ws);
    // The list lives until the PDF is written; the sheets only borrow it.
    const auto chart =
        std::make_shared<const SheetChart>(std::shared_ptr<const DisplayList>(&drawing, [](const DisplayList*) {}),
                                           QSize(ws.diagram.width(), ws.diagram.height()));
    const std::vector<PageBand> bands = pageBands(ws.pageMarkers, ws.diagram.height());
    const int count = oneSheet ? 1 : static_cast<int>(bands.size());
    QString error;
    const bool written = writeSheetsPdf(
        opts.output, reportTitle(ws.reportTitle), count,
        [&](int i) {
            return oneSheet ? vexoria::oneSheet(chart) : pagedSheet(chart, bands[static_cast<std::size_t>(i)]);
        },
        &error);
    if (!written) {
        io.err << "vexoria-cli: " << error << Qt::endl;
        return 1;
    }
    return 0;
}

// A PDF goes to a file named .pdf, to standard output or to a device or
// FIFO; a PDF under another name would be taken for what the name says.
bool isPdfTarget(const QString& output)
{
    return QFileInfo(output).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0 || isStreamTarget(output);
}

int runPrint(const CommandInfo& info, const Args& args, Io& io)
{
    const auto opts = buildOptions(info, args, io);
    if (!opts) return 2;
    if (opts->output.isEmpty()) {
        usageError(info, QStringLiteral("-o OUT.pdf is needed"), io);
        return 2;
    }
    if (!isPdfTarget(opts->output)) {
        usageError(info, QStringLiteral("OUT must end in .pdf or be - for standard output, not %1").arg(opts->output),
                   io);
        return 2;
    }
    if (!checkNotOverInput(info, *opts, opts->output, io)) return 2;
    if (!checkOutputFolder(opts->output, io)) return 1;
    CliPrompter prompter(io.err, opts->answer);
    Workspace ws;
    if (!prepareWorkspace(ws, *opts, prompter, io)) return 1;
    return guarded(io, [&] { return printChart(ws, *opts, args.has("--one-sheet"), args.has("--labels"), io); });
}

} // namespace

const CommandInfo& printCommand()
{
    static const CommandInfo info{"print",
                                  "print FILE -o OUT.pdf [--one-sheet] [--labels] [--ini INI]",
                                  "Build the chart of a routine and write its printed sheets as a PDF.",
                                  {kOutputOption, kOneSheetOption, kLabelsOption, kIniOption},
                                  1,
                                  1,
                                  "The sheets are those the window prints: A4 portrait, the title and the\n"
                                  "routine's header at the top, the chart in two halves side by side below\n"
                                  "it, the page number at the foot. Without --one-sheet there is one sheet\n"
                                  "per page, cut at the page markers' default places (every 1040 pixels of\n"
                                  "the chart). Every page is written: the window prints at most twelve, a PDF\n"
                                  "has no such limit. With --one-sheet the chart is made smaller by the same\n"
                                  "factor across and down until it fits the sheet, and centred on it. The\n"
                                  "chart is drawn onto the pages as lines and text, not as a picture, and a\n"
                                  "chart longer than the length limit is drawn whole. OUT must end in .pdf\n"
                                  "or be - (standard output), a FIFO or a device.",
                                  runPrint};
    return info;
}

} // namespace vexoria::cli
