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
#include <vector>

#include <unistd.h>

#include <QByteArray>
#include <QIODevice>
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

// What the command printed, on either stream, in the order it was printed:
// standard output and standard error come out interleaved as the complete
// program prints them.
struct Printed {
    int fd;
    QByteArray bytes;
};

class KeptStream : public QIODevice {
public:
    KeptStream(std::vector<Printed>& printed, int fd) : m_printed(printed), m_fd(fd) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        m_printed.push_back({m_fd, QByteArray(data, size)});
        return size;
    }

private:
    std::vector<Printed>& m_printed;
    int m_fd;
};

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype at = 0;
    while (at < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + at, static_cast<size_t>(bytes.size() - at));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
    }
    return true;
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
    std::vector<Printed> printed;
    KeptStream keptOut(printed, STDOUT_FILENO);
    KeptStream keptErr(printed, STDERR_FILENO);
    QTextStream out(&keptOut);
    QTextStream err(&keptErr);
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
    bool written = true;
    int why = 0;
    for (const Printed& p : printed) {
        errno = 0;
        if (writeAll(p.fd, p.bytes) || p.fd != STDOUT_FILENO || !written) continue;
        written = false;
        why = errno;
    }
    if (status == 0 && !written) {
        std::fprintf(stderr, "vexoria-cli: cannot write standard output: %s\n",
                     why != 0 ? std::strerror(why) : "the write was refused");
        status = 1;
    }
    return status;
}
