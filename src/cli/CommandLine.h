#pragma once
// The one option parser of vexoria-cli. Each command declares its options,
// how many FILE arguments it takes and its help; the parser refuses anything
// else (an unknown option, a missing value, a second FILE) with one line and
// the command's usage, and the command then ends with status 2. Nothing on
// the command line is silently ignored.
#include <optional>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace vexoria::cli {

struct Io {
    QTextStream& out;
    QTextStream& err;
};

struct OptionInfo {
    const char* name;  // "--ini", "-o"
    const char* value; // the value's name in the help ("INI"), or nullptr for a switch
    const char* help;  // one line
};

// What the parser made of a command's arguments.
class Args {
public:
    QStringList files; // FILE arguments, "-" included
    bool has(const char* name) const { return m_given.contains(QLatin1String(name)); }
    QString value(const char* name, const QString& fallback = QString()) const
    {
        return m_given.value(QLatin1String(name), fallback);
    }
    void set(const QString& name, const QString& value) { m_given.insert(name, value); }

private:
    QHash<QString, QString> m_given;
};

struct CommandInfo;
using CommandRun = int (*)(const CommandInfo& info, const Args& args, Io& io);

struct CommandInfo {
    const char* name;     // "render"
    const char* synopsis; // "render FILE -o OUT [options]"
    const char* summary;  // one line for the list of commands
    std::vector<OptionInfo> options;
    int minFiles = 1;
    int maxFiles = 1;
    const char* details = nullptr; // more help, shown by COMMAND --help
    CommandRun run = nullptr;
};

// The options the build commands share.
extern const OptionInfo kIniOption;
extern const OptionInfo kAnswerOption;
extern const OptionInfo kOutputOption;

// Parses args for info. On a usage error writes the error and the usage line
// to io.err and returns nothing: the caller ends with status 2.
std::optional<Args> parseArgs(const CommandInfo& info, const QStringList& args, Io& io);

// Writes one usage error ("vexoria-cli render: …") and the usage line.
void usageError(const CommandInfo& info, const QString& text, Io& io);

// The help of one command: its synopsis, summary, options and details.
QString commandHelp(const CommandInfo& info);

} // namespace vexoria::cli
