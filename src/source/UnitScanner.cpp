#include "source/UnitScanner.h"

#include <algorithm>

#include "source/TextFile.h"
#include "source/UnitRoutines.h"

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

QString routineIdentifier(const QString& line)
{
    qsizetype at = -1;
    qsizetype wordLength = 0;
    for (const char* word : {"procedure", "function", "constructor", "destructor"}) {
        const qsizetype i = line.indexOf(QLatin1String(word), 0, Qt::CaseInsensitive);
        if (i >= 0 && (at < 0 || i < at)) {
            at = i;
            wordLength = static_cast<qsizetype>(qstrlen(word));
        }
    }
    if (at < 0) return {};
    qsizetype i = at + wordLength;
    // "procedures" or "functional" is no routine word followed by a name.
    if (i < line.size() && (line[i].isLetterOrNumber() || line[i] == u'_')) return {};
    while (i < line.size() && line[i].isSpace()) ++i;
    const qsizetype start = i;
    while (i < line.size() && (line[i].isLetterOrNumber() || line[i] == u'_' || line[i] == u'.')) ++i;
    QString name = line.mid(start, i - start);
    while (name.endsWith(u'.')) name.chop(1);
    return name.isEmpty() || name[0].isDigit() || name[0] == u'.' ? QString() : name;
}

int findImplLine(const QStringList& unitLines)
{
    // Old code writes it in capitals, as it does the routine words.
    for (qsizetype i = 0; i < unitLines.size(); ++i) {
        if (unitLines[i].contains(QLatin1String("implementation"), Qt::CaseInsensitive)) return static_cast<int>(i);
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

// The copy of a routine whose body the routine reader found: its heading up
// to the end of its own body, without the routines nested in it (each of
// them is listed and copied on its own). The routine is the first, in the
// unit's order, whose heading line holds the name; nothing when none does.
std::optional<QStringList> copyWholeRoutine(const QStringList& unitLines, int implLine, const QString& name)
{
    // A unit's routines are fetched one after another: the unit is read once.
    // The cache holds the lines it was read from, so those lines cannot
    // change without being copied first: the same data is the same unit.
    struct Cache {
        QStringList lines;
        int implLine = -1;
        std::vector<UnitRoutine> routines;
    };
    thread_local Cache cache;
    const bool sameUnit = cache.implLine == implLine && cache.lines.size() == unitLines.size() &&
                          (cache.lines.constData() == unitLines.constData() || cache.lines == unitLines);
    if (!sameUnit) {
        cache.lines = unitLines;
        cache.implLine = implLine;
        cache.routines = findUnitRoutines(unitLines, implLine);
    }
    const std::vector<UnitRoutine>& routines = cache.routines;
    for (const UnitRoutine& r : routines) {
        if (!unitLines[r.headingLine].contains(name)) continue;
        std::vector<char> leftOut(static_cast<std::size_t>(r.endLine - r.headingLine + 1), 0);
        for (int n : r.nested) {
            const UnitRoutine& inner = routines[static_cast<std::size_t>(n)];
            // A nested routine that ends on the line of its outer routine's
            // begin stays: that line must not go.
            if (inner.endLine >= r.bodyLine) continue;
            for (int line = inner.headingLine; line <= inner.endLine; ++line)
                leftOut[static_cast<std::size_t>(line - r.headingLine)] = 1;
        }
        QStringList copy;
        for (int line = r.headingLine; line <= r.endLine; ++line)
            if (!leftOut[static_cast<std::size_t>(line - r.headingLine)]) copy << unitLines[line];
        return copy;
    }
    return std::nullopt;
}

// For a routine the reader could not follow, the copy is made line by line:
// from every line k (from implLine on) that contains the name, lines are
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
    if (std::optional<QStringList> whole = copyWholeRoutine(unitLines, implLine, name)) return *whole;
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

QStringList splitUnitText(const QByteArray& bytes) { return decodeTextFile(bytes).lines; }

std::optional<QStringList> readUnitFile(const QString& path, QString* error)
{
    auto contents = readTextFile(path, error);
    if (!contents) return std::nullopt;
    return std::move(contents->lines);
}

} // namespace vexoria
