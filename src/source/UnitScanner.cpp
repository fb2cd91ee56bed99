#include "source/UnitScanner.h"

#include <algorithm>

#include <QFile>

#include "platform/core/TextCodec.h"

namespace vexoria {

namespace {

// The copy of the last routine of a unit may run several times (see
// copyRoutine); a unit made of nothing but one repeated header would then
// take time, and fill the editor, with the square of its length. After this
// many copy steps the fetch stops: no real unit comes near it.
constexpr qsizetype kMaxCopySteps = qsizetype(1) << 21;

} // namespace

// Tabs count as blanks here: a header indented with a tab is found by its
// name just like one indented with spaces.
QString routineName(const QString& item)
{
    qsizetype i = 0;
    while (i < item.size() && item[i].unicode() <= u' ') ++i;
    return item.mid(i);
}

bool isRoutineLine(const QString& line)
{
    if (line.contains(u'\'')) return false;
    // Methods are routines too, and old code writes its words in capitals.
    for (const char* word : {"procedure", "function", "constructor", "destructor"})
        if (line.contains(QLatin1String(word), Qt::CaseInsensitive)) return true;
    return false;
}

int findImplLine(const QStringList& unitLines)
{
    for (qsizetype i = 0; i < unitLines.size(); ++i) {
        const QString& line = unitLines[i];
        if (line.contains(QLatin1String("implementation")) || line.contains(QLatin1String("Implementation")))
            return static_cast<int>(i);
    }
    return 0;
}

QStringList listRoutineLines(const QStringList& unitLines, int implLine)
{
    QStringList items;
    for (qsizetype i = std::max(implLine, 0); i < unitLines.size(); ++i) {
        if (isRoutineLine(unitLines[i])) items << unitLines[i];
    }
    return items;
}

// From every line k (from implLine on) that contains the name, lines are
// copied one by one until a routine line that is not the routine's own header
// ends the whole fetch. Two things follow that look odd but are how the
// queue behaves:
//  - a copy that runs to the end of the unit without meeting another routine
//    line (the last routine of a unit) does not end the fetch: the search
//    goes on from k + 1, and every later line containing the name copies
//    from there to the end once more, after what is already in the editor;
//  - a line containing "end." is never copied, wherever "end." stands in it.
QStringList copyRoutine(const QStringList& unitLines, int implLine, const QString& name)
{
    QStringList editor;
    const qsizetype count = unitLines.size();
    qsizetype steps = 0;
    for (qsizetype k = std::max(implLine, 0); k < count; ++k) {
        if (!unitLines[k].contains(name)) continue;
        for (qsizetype i = k; i < count; ++i) {
            if (++steps > kMaxCopySteps) return editor;
            const QString& line = unitLines[i];
            if (isRoutineLine(line) && routineName(line) != name) return editor;
            if (line.contains(QLatin1String("end."))) continue;
            editor << line;
        }
    }
    return editor;
}

QStringList splitUnitText(const QByteArray& bytes)
{
    const QString text = toCrLf(decodeCodeText(bytes));
    if (text.isEmpty()) return {};
    QStringList lines = text.split(QStringLiteral("\r\n"));
    // "a\r\n" splits into "a" and "": the final break ends the last line.
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

std::optional<QStringList> readUnitFile(const QString& path, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = f.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error) *error = f.errorString();
        return std::nullopt;
    }
    return splitUnitText(bytes);
}

} // namespace vexoria
