#pragma once
// The routines of a Pascal unit: which lines are routine lines, where the
// implementation section starts, the list the user checks routines in, and
// the copy of one routine's text out of the unit.
//
// The scanner works on source lines, not on the Pascal language: a routine
// line is any line that holds a routine word outside a quoted string, so a
// comment or a call naming "function" counts as one too.
#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vexoria {

// A line holding "procedure", "function", "constructor" or "destructor"
// anywhere, in any case, and no apostrophe.
bool isRoutineLine(const QString& line);

// Index of the first line containing "implementation" or "Implementation";
// 0 when there is none, so that the whole unit is searched.
int findImplLine(const QStringList& unitLines);

// The name a list item is looked up by: the item without its leading blanks
// (blanks, tabs and other control characters).
QString routineName(const QString& item);

// The routine's name in a routine line: the dotted identifier after its
// routine word ("TIOStream.Read" in "function TIOStream.Read(var B): Longint;").
// Empty when the word is followed by no name, as in a comment.
QString routineIdentifier(const QString& line);

// Every routine line from implLine to the last line, unchanged (leading
// blanks kept): the items of the routine check list.
QStringList listRoutineLines(const QStringList& unitLines, int implLine);

// The lines that a fetch of the routine called name (a list item with its
// leading blanks removed) puts into the editor. See the .cpp for the rule.
QStringList copyRoutine(const QStringList& unitLines, int implLine, const QString& name);

// A unit file's bytes as lines: UTF-8 or Windows-1251; CR LF, LF and a lone CR
// all end a line; a final line break makes no empty last line.
QStringList splitUnitText(const QByteArray& bytes);

// Reads a unit file into lines; on failure returns nothing and puts the
// reason into *error when given.
std::optional<QStringList> readUnitFile(const QString& path, QString* error = nullptr);

} // namespace vexoria
