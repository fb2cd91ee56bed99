#include "cli/RenderFolder.h"

#include <algorithm>
#include <functional>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "cli/OrderedWork.h"
#include "cli/RenderUnit.h"
#include "platform/files/FileNames.h"
#include "platform/files/OutputFile.h"
#include "source/UnitScanner.h"

namespace vexoria::cli {

QStringList unitsUnder(const QString& dir)
{
    static const QStringList kUnitSuffixes{"pas", "pp", "inc", "lpr", "dpr"};
    QStringList units;
    const QDir root(QFileInfo(dir).absoluteFilePath());
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fi(it.next());
        if (kUnitSuffixes.contains(fi.suffix().toLower())) units << root.relativeFilePath(fi.absoluteFilePath());
    }
    std::sort(units.begin(), units.end());
    return units;
}

QStringList unitFolders(const QStringList& units)
{
    QStringList folders;
    QStringList taken;
    for (const QString& unit : units) {
        const QFileInfo fi(unit);
        const QString dir = fi.path() == QStringLiteral(".") ? QString() : fi.path() + u'/';
        QString folder = dir + fi.completeBaseName();
        if (taken.contains(folder, Qt::CaseInsensitive)) folder = dir + fi.fileName().replace(u'.', u'_');
        taken << folder;
        folders << folder;
    }
    return folders;
}

namespace {

// Units of fewer routines are drawn on one thread each, side by side.
constexpr int kSharedRoutines = 64;

// One unit drawn, with what it printed kept to be printed in its turn.
struct RenderedUnit {
    int routines = 0;
    QStringList failed; // the routines that were not drawn
    bool unreadable = false;
    QString err;
};

RenderedUnit renderUnitKept(const QString& file, const QString& folder, const Settings& settings,
                            const BuildOptions& opts, const QString& format)
{
    RenderedUnit rendered;
    QTextStream err(&rendered.err);
    QString printed; // render --all prints nothing on standard output
    QTextStream out(&printed);
    Io io{out, err};
    const std::optional<Unit> unit = readUnit(file, io);
    if (!unit) {
        rendered.unreadable = true;
        err.flush();
        return rendered;
    }
    rendered.routines = static_cast<int>(unit->routines.size());
    if (rendered.routines > 0 && !makeFolders(folder)) {
        io.err << "vexoria-cli: cannot make the folder " << folder << Qt::endl;
        rendered.unreadable = true;
        return rendered;
    }
    BuildOptions unitOpts = opts;
    unitOpts.file = file;
    QSet<QString> taken;
    QStringList paths;
    for (const UnitRoutine& r : unit->routines) paths << QDir(folder).filePath(chartFileName(r, u'.' + format, taken));
    // A unit of thousands of routines would keep one core busy long after
    // the others ran out of units: its routines are shared out as well.
    const std::function<RenderedRoutine(int)> work = [&](int i) {
        return renderRoutineKept(*unit, unit->routines[static_cast<std::size_t>(i)], settings, unitOpts, paths[i]);
    };
    const std::function<void(int, RenderedRoutine&)> done = [&](int i, RenderedRoutine& one) {
        const UnitRoutine& r = unit->routines[static_cast<std::size_t>(i)];
        err << one.err;
        if (one.status != 0) rendered.failed << (r.name.isEmpty() ? routineName(r.line) : r.name);
    };
    runInOrder(rendered.routines, rendered.routines >= kSharedRoutines ? workerCount() : 1, work, done);
    err.flush();
    return rendered;
}

} // namespace

int renderFolder(const Settings& settings, const BuildOptions& opts, const QString& format, Io& io)
{
    const QString dir = opts.file;
    const QStringList units = unitsUnder(dir);
    if (units.isEmpty()) {
        io.err << "vexoria-cli: " << dir << " holds no unit (.pas, .pp, .inc, .lpr, .dpr)" << Qt::endl;
        return 1;
    }
    if (!makeFolders(opts.output)) {
        io.err << "vexoria-cli: cannot make the folder " << opts.output << Qt::endl;
        return 1;
    }
    const QStringList folders = unitFolders(units);
    const int total = static_cast<int>(units.size());
    int routines = 0;
    int charts = 0;
    int unread = 0;
    QStringList failedUnits;
    const std::function<RenderedUnit(int)> work = [&](int i) {
        return renderUnitKept(QDir(dir).filePath(units[i]), QDir(opts.output).filePath(folders[i]), settings, opts,
                              format);
    };
    const std::function<void(int, RenderedUnit&)> done = [&](int i, RenderedUnit& unit) {
        io.err << unit.err;
        io.err << '[' << i + 1 << '/' << total << "] " << QDir::toNativeSeparators(units[i]);
        if (unit.unreadable) {
            io.err << ": failed" << Qt::endl;
            ++unread;
            return;
        }
        const int drawn = unit.routines - static_cast<int>(unit.failed.size());
        routines += unit.routines;
        charts += drawn;
        if (unit.routines == 0) {
            io.err << ": no routine" << Qt::endl;
            return;
        }
        io.err << " -> " << QDir::toNativeSeparators(QDir(opts.output).filePath(folders[i])) << ": " << drawn << " of "
               << unit.routines << " charts";
        if (!unit.failed.isEmpty()) {
            io.err << ", failed: " << unit.failed.join(QStringLiteral(", "));
            failedUnits << units[i];
        }
        io.err << Qt::endl;
    };
    OutputBatch batch(opts.output);
    runInOrder(total, workerCount(), work, done);
    QString unsynced;
    if (!batch.finish(&unsynced)) {
        io.err << "vexoria-cli: " << unsynced << Qt::endl;
        return 1;
    }
    io.err << "vexoria-cli: " << total << " units, " << routines << " routines, " << charts << " charts in "
           << opts.output;
    if (routines > charts) io.err << ", " << routines - charts << " failed in " << failedUnits.size() << " units";
    if (unread > 0) io.err << ", " << unread << (unread == 1 ? " unit" : " units") << " not read";
    io.err << Qt::endl;
    return failedUnits.isEmpty() && unread == 0 ? 0 : 1;
}

} // namespace vexoria::cli
