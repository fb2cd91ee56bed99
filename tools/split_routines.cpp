// vexoria-split-routines: splits Pascal units into their routines the way the
// routine queue copies them into the editor (every routine checked, fetched
// in turn), for tools/corpus-check.
//
//   vexoria-split-routines --out DIR FILE...
//       writes every routine to DIR/<file>-<routine>.pas (UTF-8, LF) and
//       prints one line per routine: OUT, FILE, routine index, line count.
//   vexoria-split-routines --check [--timeout SEC] FILE...
//       classifies and checks every routine and every whole file in a child
//       process of its own and prints one line per failure (crash, timeout,
//       non-zero exit, sanitizer report), then a summary line.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "analysis/StructureCheck.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/prompts/Prompter.h"
#include "platform/text/TextCodec.h"
#include "source/RoutineQueue.h"
#include "source/UnitScanner.h"

using namespace vexoria;

namespace {

class SilentPrompter : public Prompter {
public:
    void message(const QString&) override {}
    Answer question(const QString&, const QString&, Buttons, Icon) override { return Answer::No; }
};

// Every routine of a unit as the queue fetches it with every item checked.
std::vector<QStringList> splitUnit(const QStringList& lines)
{
    QueueState state;
    SilentPrompter prompter;
    RoutineQueue queue(state, prompter);
    queue.openUnit(lines);
    queue.checkAll();
    std::vector<QStringList> routines;
    for (;;) {
        EditorLines editor = queue.fetchNext();
        if (state.queueExhausted) break;
        routines.push_back(editor.value_or(QStringList{}));
    }
    return routines;
}

// The editor's text as a build hands it to the classifier.
QString editorText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return text;
}

// What `vexoria-cli rows --stage check` runs.
void classifyAndCheck(const QString& text)
{
    SilentPrompter prompter;
    Workspace ws;
    ws.prompter = &prompter;
    ws.codeText = text;
    classifyCode(ws);
    ws.statements.sortBy([](const StatementRow& r) { return r.drawOrder; });
    checkStructure(ws.statements, ws.prompter);
}

int writeRoutines(const QString& outDir, const QStringList& files)
{
    QDir().mkpath(outDir);
    int failures = 0;
    for (qsizetype f = 0; f < files.size(); ++f) {
        QString error;
        const auto lines = readUnitFile(files[f], &error);
        if (!lines) {
            std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(files[f]), qPrintable(error));
            ++failures;
            continue;
        }
        const std::vector<QStringList> routines = splitUnit(*lines);
        for (std::size_t r = 0; r < routines.size(); ++r) {
            const QString out = QStringLiteral("%1/%2-%3.pas").arg(outDir).arg(f).arg(r);
            QFile file(out);
            if (!file.open(QIODevice::WriteOnly)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
                return 2;
            }
            QByteArray bytes;
            for (const QString& line : routines[r]) bytes += line.toUtf8() + '\n';
            file.write(bytes);
            std::printf("%s\t%s\t%zu\t%lld\n", qPrintable(out), qPrintable(files[f]), r,
                        static_cast<long long>(routines[r].size()));
        }
    }
    return failures ? 1 : 0;
}

struct Outcome {
    QString kind; // empty when the input passed
    QString detail;
    double seconds = 0;
};

bool isSanitizerReport(const std::string& err)
{
    return err.find("Sanitizer") != std::string::npos || err.find("runtime error:") != std::string::npos;
}

// Runs one classification in a child process so that a crash or a hang is
// reported for this input and the run goes on with the next.
Outcome runIsolated(const QString& text, int timeoutSeconds)
{
    const auto start = std::chrono::steady_clock::now();
    int errPipe[2];
    if (pipe(errPipe) != 0) return {"harness", "pipe failed", 0};
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = fork();
    if (pid < 0) return {"harness", "fork failed", 0};
    if (pid == 0) {
        close(errPipe[0]);
        dup2(errPipe[1], 2);
        // SIGALRM ends a child that hangs; its default action kills it.
        alarm(static_cast<unsigned>(timeoutSeconds));
        classifyAndCheck(text);
        _exit(0);
    }
    close(errPipe[1]);
    std::string err;
    char buf[4096];
    ssize_t got;
    while ((got = read(errPipe[0], buf, sizeof buf)) > 0) {
        if (err.size() < 65536) err.append(buf, static_cast<std::size_t>(got));
    }
    close(errPipe[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    Outcome o;
    o.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::string firstLine = err.substr(0, err.find('\n'));
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) {
        o.kind = "timeout";
    } else if (WIFSIGNALED(status)) {
        o.kind = "crash";
        o.detail = QString::fromUtf8(strsignal(WTERMSIG(status)));
    } else if (isSanitizerReport(err)) {
        o.kind = "sanitizer";
    } else if (WEXITSTATUS(status) != 0) {
        o.kind = "exit";
        o.detail = QString::number(WEXITSTATUS(status));
    }
    if (!o.kind.isEmpty() && o.detail.isEmpty()) {
        // The first line that names the fault: ASan's "ERROR:" or UBSan's "runtime error:".
        std::size_t at = err.find("ERROR:");
        if (at == std::string::npos) at = err.find("runtime error:");
        const std::string line = at == std::string::npos ? firstLine : err.substr(at, err.find('\n', at) - at);
        o.detail = QString::fromStdString(line);
    }
    return o;
}

int checkRoutines(const QStringList& files, int timeoutSeconds)
{
    long long inputs = 0;
    long long failed = 0;
    double total = 0;
    double slowest = 0;
    QString slowestName;
    auto check = [&](const QString& text, const QString& name) {
        const Outcome o = runIsolated(text, timeoutSeconds);
        ++inputs;
        total += o.seconds;
        if (o.seconds > slowest) {
            slowest = o.seconds;
            slowestName = name;
        }
        if (!o.kind.isEmpty()) {
            ++failed;
            std::printf("FAIL\t%s\t%s\t%lld\t%s\n", qPrintable(o.kind), qPrintable(name),
                        static_cast<long long>(text.size()), qPrintable(o.detail));
            std::fflush(stdout);
        }
    };
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::printf("FAIL\tunreadable\t%s\t0\t\n", qPrintable(path));
            ++failed;
            continue;
        }
        const QByteArray bytes = file.readAll();
        check(toCrLf(decodeCodeText(bytes)), path);
        const std::vector<QStringList> routines = splitUnit(splitUnitText(bytes));
        for (std::size_t r = 0; r < routines.size(); ++r)
            check(editorText(routines[r]), QStringLiteral("%1#%2").arg(path).arg(r));
    }
    std::printf("SUMMARY\tinputs %lld\tfailed %lld\tseconds %.3f\tslowest %.3f %s\n", inputs, failed, total, slowest,
                qPrintable(slowestName));
    return failed ? 1 : 0;
}

int usage()
{
    std::fprintf(stderr, "usage: vexoria-split-routines --out DIR FILE...\n"
                         "       vexoria-split-routines --check [--timeout SEC] FILE...\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() >= 2 && args[0] == QLatin1String("--out")) return writeRoutines(args[1], args.mid(2));
    if (!args.isEmpty() && args[0] == QLatin1String("--check")) {
        int timeout = 10;
        args.removeFirst();
        if (args.size() >= 2 && args[0] == QLatin1String("--timeout")) {
            bool ok = false;
            timeout = args[1].toInt(&ok);
            if (!ok || timeout <= 0) return usage();
            args = args.mid(2);
        }
        return checkRoutines(args, timeout);
    }
    return usage();
}
