#include "analysis/StructureCheck.h"
#include "tables/StatementTableDump.h"
#include "cli/Commands.h"
#include "cli/WholeChart.h"
#include "pipeline/Pipeline.h"
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

StatementDumpExtras titleOf(const Workspace& ws)
{
    StatementDumpExtras extras;
    if (!ws.reportTitle.isEmpty()) extras.title = ws.reportTitle;
    return extras;
}

// rows [--stage classify|check|build] FILE
//   classify: the table as the classifier leaves it;
//   check:    classifier, sort on nom, structure check;
//   build:    the whole pipeline (takes --ini and --answer).
int runRows(const CommandInfo& info, const Args& args, Io& io)
{
    const QString stage = args.value("--stage", QStringLiteral("classify"));
    if (stage != QLatin1String("classify") && stage != QLatin1String("check") && stage != QLatin1String("build")) {
        usageError(info, QStringLiteral("--stage takes classify, check or build, not %1").arg(stage), io);
        return 2;
    }
    auto opts = buildOptions(info, args, io);
    if (!opts) return 2;
    // Only a build reads settings or asks the length question.
    if (stage != QLatin1String("build") && (args.has("--ini") || args.has("--answer"))) {
        usageError(info, QStringLiteral("--ini and --answer go with --stage build"), io);
        return 2;
    }

    Workspace ws;
    if (stage == QLatin1String("build")) {
        CliPrompter prompter(io.err, opts->answer);
        if (!prepareWorkspace(ws, *opts, prompter, io)) return 1;
        return guarded(io, [&] {
            classifyCode(ws);
            warnIfNoCode(ws, opts->file, io);
            drawChartWhole(ws, opts->answer == Answer::No);
            StatementDumpExtras extras = titleOf(ws);
            extras.blockCount = ws.blockCount;
            extras.warning = firstWarning(prompter.messages());
            io.out << dumpStatementTable(ws.statements, extras);
            io.out.flush();
            return 0;
        });
    }

    auto code = readCodeFile(opts->file, io);
    if (!code) return 1;
    ws.codeText = *code;
    RecordingPrompter prompter;
    ws.prompter = &prompter;
    classifyCode(ws);
    warnIfNoCode(ws, opts->file, io);
    StatementDumpExtras extras = titleOf(ws);
    if (stage == QLatin1String("check")) {
        // Block sizing sorts the table on nom before the check runs.
        ws.statements.sortBy([](const StatementRow& r) { return r.drawOrder; });
        ws.blockCount = checkStructure(ws.statements, ws.prompter);
        extras.blockCount = ws.blockCount;
        extras.warning = firstWarning(prompter.messages);
    }
    io.out << dumpStatementTable(ws.statements, extras);
    io.out.flush();
    return 0;
}

} // namespace

const CommandInfo& rowsCommand()
{
    static const CommandInfo info{
        "rows",
        "rows [--stage classify|check|build] [--ini INI] [--answer A] FILE",
        "Print the statement table of a routine, one tab-separated line per row.",
        {{"--stage", "classify|check|build",
          "classify: as the classifier leaves it (the default); check: after the structure check; "
          "build: after the whole build"},
         kIniOption,
         kAnswerOption},
        1,
        1,
        "FILE may be - for standard input. The format is described in docs/formats.md.",
        runRows};
    return info;
}

} // namespace vexoria::cli
