#pragma once
// What the subcommands of vexoria-cli share: reading a code file, the
// options every build command takes, and a prompter that answers from them.
#include <functional>
#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cli/CommandLine.h"
#include "platform/prompts/Prompter.h"

namespace vexoria {
struct Settings;
struct Workspace;
} // namespace vexoria

namespace vexoria::cli {

// How a FILE argument is named in messages: "-" is "standard input".
QString shownFileName(const QString& path);

// Reads FILE ("-" is standard input) to its end: at most 64 MB, and only
// text (no NUL byte unless it is UTF-16). On failure writes one line naming
// the file and the reason to err.
std::optional<QByteArray> readInputFile(const QString& path, Io& io);

// Reads FILE as the window's editor holds it: UTF-16 with its byte-order
// mark, UTF-8 or Windows-1251; every line, the last one too, ends with a line
// break, made CR LF. On failure writes one line naming the file to err.
std::optional<QString> readCodeFile(const QString& path, Io& io);

// Answers the length question from --answer and shows messages on stderr.
class CliPrompter : public Prompter {
public:
    explicit CliPrompter(QTextStream& err, Answer answer = Answer::No) : m_err(err), m_answer(answer) {}
    void message(const QString& text) override;
    Answer question(const QString& title, const QString& text, Buttons buttons, Icon icon) override;
    const QStringList& messages() const { return m_messages; }

private:
    QTextStream& m_err;
    Answer m_answer;
    QStringList m_messages;
};

// Options shared by the build commands: FILE, --ini INI, --answer yes|no|cancel, -o OUT.
struct BuildOptions {
    QString file;
    QString ini;
    Answer answer = Answer::No;
    QString output; // -o OUT
};

// Reads the shared options from parsed arguments; a bad --answer is a usage
// error (written to err, nothing returned: status 2).
std::optional<BuildOptions> buildOptions(const CommandInfo& info, const Args& args, Io& io);

// Reads the settings of --ini into settings. A file that cannot be read (no
// such file, a folder, not text, too large) gives one line saying why.
bool loadIniFile(const QString& path, Settings& settings, Io& io);

// Prepares a workspace for a build: settings from --ini, the code text.
bool prepareWorkspace(Workspace& ws, const BuildOptions& opts, CliPrompter& prompter, Io& io);

// After classifying: one warning line on err when the routine holds no code
// (the chart then has only its end block).
void warnIfNoCode(const Workspace& ws, const QString& file, Io& io);

// The line for a chart too long for the picture of a bitmap format.
inline const QString kPictureTooLong =
    QStringLiteral("the chart is too long for one picture; write it as .png, .svg or .pdf, which have no length limit");

// Runs the work of a command and returns its status. What a stage throws (a
// setting that cannot be used, a picture too large, no memory) ends the
// command with one line on err and status 1.
int guarded(Io& io, const std::function<int()>& work);

// Flushes what a command printed on standard output. A command that ended
// with status 0 but whose output could not all be written (a full disk, a
// closed pipe) ends with status 1 and one line naming standard output and
// the reason; any other status is kept as it is.
int finishStandardOutput(int status, Io& io);

} // namespace vexoria::cli
