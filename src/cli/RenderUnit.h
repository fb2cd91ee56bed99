#pragma once
// The unit side of vexoria-cli: a Pascal unit's routines as the window's
// routine queue lists and copies them, for `routines` and for `render`
// with --routine or --all.
#include <optional>
#include <vector>

#include <QSet>
#include <QString>
#include <QStringList>

#include "cli/CliCommon.h"
#include "platform/pictures/PictureFormat.h"

namespace vexoria {
struct Settings;
struct Workspace;
} // namespace vexoria

namespace vexoria::cli {

extern const OptionInfo kRoutineOption;
extern const OptionInfo kAllOption;
extern const OptionInfo kFormatOption;

struct UnitRoutine {
    int number = 0; // from 1, in the order of the list
    QString line;   // the routine line as it stands in the unit
    QString name;   // its dotted name; empty for a line that names none
};

struct Unit {
    QStringList lines;
    int implLine = 0;
    std::vector<UnitRoutine> routines;
};

// Reads a unit (FILE or "-"); on failure one line on io.err.
std::optional<Unit> readUnit(const QString& path, Io& io);

// The code the routine queue puts into the editor for this routine, as the
// editor hands it to the classifier: CR LF after every line.
QString routineCode(const Unit& unit, const UnitRoutine& routine);

// A routine's chart drawn with what it printed kept, to be printed in its
// turn when routines are drawn on several threads.
struct RenderedRoutine {
    int status = 1; // as renderChart gives it
    QString out;
    QString err;
};

// Draws the routine's chart into path as render --all does (a path that
// names FILE or INI is refused); safe to call on several threads at once.
RenderedRoutine renderRoutineKept(const Unit& unit, const UnitRoutine& routine, const Settings& settings,
                                  const BuildOptions& opts, const QString& path);

// Whether render was asked for a unit's routines.
bool isUnitRender(const Args& args);
int renderUnit(const CommandInfo& info, const Args& args, const BuildOptions& opts, Io& io);

// Builds ws.codeText (a chart too long for parts whole with the answer No
// or in a vector format) and writes the chart to output (the parts of a chart
// built in parts as OUT-1, OUT-2, ...); source names the code in a warning.
// 0 when written, else 1 with one line on io.err. Defined with the render
// command.
int renderChart(Workspace& ws, PictureFormat format, Answer answer, const QString& output, const QString& source,
                Io& io);

// The file name of a routine's chart, suffix (".png") included: its name
// with every character a file name cannot safely hold replaced, "routine-K"
// when it has none, and -2, -3 ... after a name already taken (compared
// without case: taken holds the names given so far in lower case); a name
// too long for a file name is cut to fit.
QString chartFileName(const UnitRoutine& routine, const QString& suffix, QSet<QString>& taken);

} // namespace vexoria::cli
