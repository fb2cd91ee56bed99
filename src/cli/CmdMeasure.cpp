#include <iostream>
#include <string>

#include "cli/Commands.h"
#include "platform/drawing/DiagramFont.h"

namespace vexoria::cli {

namespace {

// Undoes the text escapes of the dump formats: \\, \t, \r, \n. A backslash
// before any other character stands for itself.
QString unescape(const QString& line)
{
    QString out;
    out.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c != u'\\' || i + 1 >= line.size()) {
            out += c;
            continue;
        }
        const QChar n = line[i + 1];
        switch (n.unicode()) {
        case u'\\': out += u'\\'; break;
        case u't': out += u'\t'; break;
        case u'r': out += u'\r'; break;
        case u'n': out += u'\n'; break;
        default:
            out += c;
            out += n;
            break;
        }
        ++i;
    }
    return out;
}

// One width per input line, answered as soon as the line is read, so that a
// caller can keep the command open and ask one text at a time.
int runMeasure(const CommandInfo&, const Args&, Io& io)
{
    std::string raw;
    while (std::getline(std::cin, raw)) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const QString text = unescape(QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size())));
        io.out << diagramTextWidth(text) << '\n';
        io.out.flush();
        // Nobody reads the answers any more: stop, and let the end of the
        // command say why.
        if (io.out.status() != QTextStream::Ok) break;
    }
    return 0;
}

} // namespace

const CommandInfo& measureCommand()
{
    static const CommandInfo info{"measure",
                                  "measure < TEXTS",
                                  "Print the width in pixels of each line of standard input in the diagram font.",
                                  {},
                                  0,
                                  0,
                                  "Each line may use the escapes \\\\, \\t, \\r and \\n of the dump formats.",
                                  runMeasure};
    return info;
}

} // namespace vexoria::cli
