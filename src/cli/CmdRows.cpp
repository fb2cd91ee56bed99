#include "analysis/TstrokDump.h"
#include "cli/Commands.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"

namespace vexoria::cli {

namespace {

const QString kStructureWarning = QStringLiteral("Предупреждение !Возможна ошибка\rв блоке разбора синтаксиса");

// Keeps the messages of the structure check for the dump instead of showing
// them.
class RecordingPrompter : public Prompter {
public:
    void message(const QString& text) override { messages << text; }
    Answer question(const QString&, const QString&, Buttons, Icon) override { return Answer::No; }
    QStringList messages;
};

std::optional<QString> firstWarning(const QStringList& messages)
{
    for (const QString& m : messages)
        if (m == kStructureWarning) return m;
    return std::nullopt;
}

TstrokDumpExtras titleOf(const Workspace& ws)
{
    TstrokDumpExtras extras;
    if (!ws.reportTitle.isEmpty()) extras.title = ws.reportTitle;
    return extras;
}

} // namespace

// rows [--stage classify|check|build] FILE
//   classify: the table as the classifier leaves it;
//   check:    classifier, sort on nom, structure check;
//   build:    the whole pipeline (takes --ini and --answer).
int cmdRows(const QStringList& args, Io& io)
{
    QString stage = QStringLiteral("classify");
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--stage")) {
            if (i + 1 >= args.size()) {
                io.err << "vexoria-cli: --stage needs a value" << Qt::endl;
                return 2;
            }
            stage = args[++i];
        } else {
            rest << args[i];
        }
    }
    if (stage != QLatin1String("classify") && stage != QLatin1String("check") && stage != QLatin1String("build")) {
        io.err << "vexoria-cli: --stage takes classify, check or build" << Qt::endl;
        return 2;
    }
    auto opts = parseBuildOptions(rest, io);
    if (!opts) return 2;
    if (!opts->rest.isEmpty()) {
        io.err << "vexoria-cli: unknown option " << opts->rest.first() << Qt::endl;
        return 2;
    }

    Workspace ws;
    if (stage == QLatin1String("build")) {
        CliPrompter prompter(io.err, opts->answer);
        if (!prepareWorkspace(ws, *opts, prompter, io)) return 1;
        classifyCode(ws);
        drawChart(ws);
        TstrokDumpExtras extras = titleOf(ws);
        extras.blockCount = ws.ctx.blockCount;
        extras.warning = firstWarning(prompter.messages());
        io.out << dumpTstrok(ws.tstrok, extras);
        io.out.flush();
        return 0;
    }

    if (opts->file.isEmpty()) {
        io.err << "vexoria-cli: no input file given" << Qt::endl;
        return 2;
    }
    auto code = readCodeFile(opts->file, io);
    if (!code) return 1;
    ws.codeText = *code;
    RecordingPrompter prompter;
    ws.prompter = &prompter;
    classifyCode(ws);
    TstrokDumpExtras extras = titleOf(ws);
    if (stage == QLatin1String("check")) {
        // Block sizing sorts the table on nom before the check runs.
        ws.tstrok.sortBy([](const StrokRow& r) { return r.nom; });
        AprepareExecute(ws);
        extras.blockCount = ws.ctx.blockCount;
        extras.warning = firstWarning(prompter.messages);
    }
    io.out << dumpTstrok(ws.tstrok, extras);
    io.out.flush();
    return 0;
}

} // namespace vexoria::cli
