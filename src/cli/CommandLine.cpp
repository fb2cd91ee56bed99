#include "cli/CommandLine.h"

namespace vexoria::cli {

const OptionInfo kIniOption{"--ini", "INI", "read the settings from INI (a shema.ini) instead of the defaults"};
const OptionInfo kAnswerOption{"--answer", "yes|no|cancel",
                               "the answer to the length question: yes builds a long chart in parts, "
                               "no draws it whole (the default), cancel stops"};
const OptionInfo kOutputOption{"-o", "OUT", "the output file; - is standard output"};

namespace {

const OptionInfo* findOption(const CommandInfo& info, const QString& name)
{
    for (const OptionInfo& o : info.options)
        if (name == QLatin1String(o.name)) return &o;
    return nullptr;
}

QString usageLine(const CommandInfo& info)
{
    return QStringLiteral("usage: vexoria-cli %1 (see vexoria-cli %2 --help)")
        .arg(QString::fromUtf8(info.synopsis), QString::fromUtf8(info.name));
}

} // namespace

void usageError(const CommandInfo& info, const QString& text, Io& io)
{
    io.err << "vexoria-cli " << info.name << ": " << text << '\n' << usageLine(info) << Qt::endl;
}

std::optional<Args> parseArgs(const CommandInfo& info, const QStringList& args, Io& io)
{
    Args parsed;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool looksLikeOption = !optionsEnded && a.startsWith(u'-') && a != QLatin1String("-");
        if (looksLikeOption && a == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (looksLikeOption) {
            QString name = a;
            QString inlineValue;
            bool hasInline = false;
            const qsizetype eq = a.indexOf(u'=');
            if (a.startsWith(QLatin1String("--")) && eq > 0) {
                name = a.left(eq);
                inlineValue = a.mid(eq + 1);
                hasInline = true;
            }
            const OptionInfo* o = findOption(info, name);
            if (!o) {
                usageError(info, QStringLiteral("unknown option %1").arg(name), io);
                return std::nullopt;
            }
            if (parsed.has(o->name)) {
                usageError(info, QStringLiteral("%1 is given twice").arg(name), io);
                return std::nullopt;
            }
            if (!o->value) {
                if (hasInline) {
                    usageError(info, QStringLiteral("%1 takes no value").arg(name), io);
                    return std::nullopt;
                }
                parsed.set(name, QStringLiteral("1"));
                continue;
            }
            if (!hasInline) {
                if (i + 1 >= args.size()) {
                    usageError(info, QStringLiteral("%1 needs a value (%2)").arg(name, QString::fromUtf8(o->value)),
                               io);
                    return std::nullopt;
                }
                inlineValue = args[++i];
            }
            parsed.set(name, inlineValue);
            continue;
        }
        if (parsed.files.size() >= info.maxFiles) {
            usageError(info,
                       info.maxFiles == 0 ? QStringLiteral("takes no FILE, but %1 was given").arg(a)
                                          : QStringLiteral("one FILE only, but %1 was given too").arg(a),
                       io);
            return std::nullopt;
        }
        parsed.files << a;
    }
    if (parsed.files.size() < info.minFiles) {
        usageError(info, QStringLiteral("no input FILE given"), io);
        return std::nullopt;
    }
    return parsed;
}

namespace {

// One option of the help: its name and value in a column of their own, the
// description beside it, wrapped to fit 79 columns; a name too wide for the
// column has its description start on the next line.
void writeOption(QTextStream& s, const QString& head, const QString& help)
{
    constexpr int kColumn = 24;
    constexpr int kWidth = 79 - kColumn;
    s << "  " << head;
    int used = 2 + static_cast<int>(head.size());
    bool first = true;
    QString line;
    const auto flush = [&] {
        if (first && used < kColumn) s << QString(kColumn - used, u' ');
        else s << '\n' << QString(kColumn, u' ');
        s << line;
        first = false;
        line.clear();
    };
    for (const QString& word : help.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > kWidth) flush();
        if (!line.isEmpty()) line += u' ';
        line += word;
    }
    flush();
    s << '\n';
}

} // namespace

QString commandHelp(const CommandInfo& info)
{
    QString text;
    QTextStream s(&text);
    s << "Usage: vexoria-cli " << info.synopsis << "\n\n" << info.summary << "\n\nOptions:\n";
    for (const OptionInfo& o : info.options) {
        QString head = QString::fromUtf8(o.name);
        if (o.value) head += u' ' + QString::fromUtf8(o.value);
        writeOption(s, head, QString::fromUtf8(o.help));
    }
    writeOption(s, QStringLiteral("--help"), QStringLiteral("show this help"));
    if (info.details) s << '\n' << info.details << '\n';
    s.flush();
    return text;
}

} // namespace vexoria::cli
