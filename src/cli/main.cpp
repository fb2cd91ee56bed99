// vexoria-cli: the headless side of Vexoria. It classifies, lays out and draws
// Pascal routines without a window, for scripts and for checking layouts.
#include <functional>
#include <new>
#include <optional>

#include <QByteArray>
#include <QGuiApplication>
#include <QTextStream>

#include "cli/BuiltWidths.h"
#include "cli/Commands.h"
#include "cli/LateGui.h"
#include "platform/drawing/DiagramFont.h"
#include "platform/files/FileNames.h"
#include "platform/prompts/QuietMessages.h"

namespace {

using vexoria::cli::CommandInfo;

QString generalUsage()
{
    QString text;
    QTextStream s(&text);
    s << "Usage: vexoria-cli COMMAND [OPTIONS] [FILE]\n\n"
         "Draws flowcharts of Pascal routines without a window.\n\nCommands:\n";
    for (const CommandInfo* c : vexoria::cli::allCommands())
        s << "  " << QString::fromUtf8(c->name).leftJustified(12) << ' ' << c->summary << '\n';
    s << "\nFILE may be - for standard input; it is read as the window's editor holds it:\n"
         "UTF-16 when it starts with a byte-order mark, else UTF-8 or, when it is not\n"
         "valid UTF-8, Windows-1251, and a last line without a line break keeps its\n"
         "line. vexoria-cli COMMAND --help describes a command.\n\n"
         "Options:\n"
         "  --help       show this help\n"
         "  --version    show the version\n\n"
         "Exit status: 0 when the output is complete, 1 when the work failed (one line\n"
         "on standard error says why), 2 for a usage error.\n";
    s.flush();
    return text;
}

const CommandInfo* findCommand(const QString& name)
{
    for (const CommandInfo* c : vexoria::cli::allCommands())
        if (name == QLatin1String(c->name)) return c;
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    vexoria::installQuietMessages();
    QTextStream out(stdout);
    QTextStream err(stderr);
    vexoria::cli::Io io{out, err};

    QStringList args;
    // File names are bytes: one that is not UTF-8 must still name its file.
    for (int i = 1; i < argc; ++i) args << vexoria::fileNameFromBytes(QByteArray(argv[i]));
    if (args.isEmpty()) {
        err << generalUsage();
        return 2;
    }
    if (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        out << generalUsage();
        return 0;
    }
    if (args[0] == QLatin1String("--version")) {
        out << "vexoria-cli " << VEXORIA_VERSION << Qt::endl;
        return 0;
    }
    const QString name = args.takeFirst();
    const CommandInfo* cmd = findCommand(name);
    if (!cmd) {
        err << "vexoria-cli: unknown command " << name << " (see vexoria-cli --help)" << Qt::endl;
        return 2;
    }
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        out << vexoria::cli::commandHelp(*cmd);
        return 0;
    }
    const auto parsed = vexoria::cli::parseArgs(*cmd, args, io);
    if (!parsed) return 2;

    // Only a command that runs gets the GUI application: text widths and
    // pictures need its font machinery, never a display. Qt sees no argument
    // of the command line, so none of them is taken for one of its own.
    // Starting it takes longer than drawing a small chart; a command that
    // measures from the width table starts it only if a text needs the face.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<QGuiApplication> app;
    int qtArgc = 1;
    const auto startApp = [&] {
        app.emplace(qtArgc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("vexoria-cli"));
        QGuiApplication::setApplicationVersion(QStringLiteral(VEXORIA_VERSION));
    };
    vexoria::cli::installBuiltWidths();
    vexoria::cli::installBuiltGlyphs();
    if (vexoria::cli::mayStartGuiLate(*cmd, *parsed)) {
        vexoria::cli::installBuiltSchemeColours();
        static std::function<void()> lateStart;
        lateStart = startApp;
        vexoria::setGuiStarter([] { lateStart(); });
    } else {
        startApp();
    }
    int status = 1;
    try {
        status = cmd->run(*cmd, *parsed, io);
    } catch (const std::bad_alloc&) {
        out.flush();
        err << "vexoria-cli: not enough memory" << Qt::endl;
        return 1;
    }
    return vexoria::cli::finishStandardOutput(status, io);
}
