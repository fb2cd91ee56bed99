// The lean vexoria-cli: the commands that need no picture (rows, draw, and
// render of one routine to SVG) on Qt's core library alone, which loads in
// a third of the time Qt's GUI libraries take, and a short command takes
// little longer than that. The front end (cli/quick) hands those commands
// here and every other one to the complete program; what turns out to need
// the GUI library after all is handed over to it (HandOver.h).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

#include <QByteArray>
#include <QTextStream>

#include "cli/BuiltWidths.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/lean/HandOver.h"
#include "platform/files/FileNames.h"
#include "platform/prompts/QuietMessages.h"

namespace {

using vexoria::cli::CommandInfo;

const CommandInfo* leanCommand(const QString& name)
{
    for (const CommandInfo* c : {&vexoria::cli::rowsCommand(), &vexoria::cli::drawCommand(),
                                 &vexoria::cli::renderCommand()})
        if (name == QLatin1String(c->name)) return c;
    return nullptr;
}

bool writeAll(const QByteArray& bytes, std::FILE* to)
{
    return bytes.isEmpty() || std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to) ==
                                  static_cast<size_t>(bytes.size());
}

} // namespace

int main(int argc, char* argv[])
{
    vexoria::cli::lean::rememberCommandLine(argv);
    vexoria::installQuietMessages();
    QStringList args;
    // File names are bytes: one that is not UTF-8 must still name its file.
    for (int i = 1; i < argc; ++i) args << vexoria::fileNameFromBytes(QByteArray(argv[i]));
    const CommandInfo* cmd = args.isEmpty() ? nullptr : leanCommand(args.takeFirst());
    if (!cmd || args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h")))
        vexoria::cli::lean::handOver();

    // Everything printed is kept until the command ends: a command handed
    // over has printed nothing.
    QByteArray printed;
    QByteArray said;
    QTextStream out(&printed, QIODevice::WriteOnly);
    QTextStream err(&said, QIODevice::WriteOnly);
    vexoria::cli::Io io{out, err};
    const auto parsed = vexoria::cli::parseArgs(*cmd, args, io);
    int status = 2;
    if (parsed) {
        // The scheme's colours the build saw are those of the off-screen
        // platform the complete program starts on.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        vexoria::cli::installBuiltWidths();
        vexoria::cli::installBuiltSchemeColours();
        try {
            status = cmd->run(*cmd, *parsed, io);
        } catch (const std::bad_alloc&) {
            out.flush();
            err << "vexoria-cli: not enough memory" << Qt::endl;
            status = 1;
        }
    }
    out.flush();
    err.flush();
    errno = 0;
    const bool written = writeAll(printed, stdout) && std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int why = errno;
    writeAll(said, stderr);
    if (status == 0 && !written) {
        std::fprintf(stderr, "vexoria-cli: cannot write standard output: %s\n",
                     why != 0 ? std::strerror(why) : "the write was refused");
        status = 1;
    }
    std::fflush(stderr);
    return status;
}
