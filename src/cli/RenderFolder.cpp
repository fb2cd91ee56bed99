#include "cli/RenderFolder.h"

#include <algorithm>
#include <map>
#include <optional>

#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "cli/RenderUnit.h"
#include "cli/UnitWork.h"
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

// One unit opened in a worker: what was read of it, what it printed, and
// where its routines' charts go.
struct UnitJob {
    std::optional<Unit> unit;
    BuildOptions opts; // with the unit as the file
    QStringList paths; // each routine's chart
    bool unreadable = false;
    QString err;
};

// Reads the unit and makes its folder; the number of routines to draw.
int openUnit(UnitJob& job, const QString& file, const QString& folder, const BuildOptions& opts,
             const QString& format)
{
    QTextStream err(&job.err);
    QString printed; // render --all prints nothing on standard output
    QTextStream out(&printed);
    Io io{out, err};
    job.unit = readUnit(file, io);
    if (!job.unit) {
        job.unreadable = true;
        err.flush();
        return 0;
    }
    const int routines = static_cast<int>(job.unit->routines.size());
    if (routines > 0 && !makeFolders(folder)) {
        io.err << "vexoria-cli: cannot make the folder " << folder << Qt::endl;
        job.unreadable = true;
        return 0;
    }
    job.opts = opts;
    job.opts.file = file;
    QSet<QString> taken;
    for (const UnitRoutine& r : job.unit->routines)
        job.paths << QDir(folder).filePath(chartFileName(r, u'.' + format, taken));
    return routines;
}

// What a unit printed as it was handed on, for its progress line.
struct UnitSoFar {
    bool unreadable = false;
    int routines = 0;
    QStringList failed;
};

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
    // In a worker: the units it holds open.
    std::map<int, UnitJob> held;
    UnitWork work;
    // A worker that draws routines of a unit another opened reads and splits
    // the unit again, which takes as long as drawing many of its routines:
    // shared out, units of a hundred routines made the whole batch a tenth
    // slower. Only a unit that alone would keep a core busy long after the
    // others ran out of units is shared out.
    work.sharedFrom = 1000;
    work.open = [&](int i, int& parts) {
        UnitJob& job = held[i] = UnitJob{};
        parts = openUnit(job, QDir(dir).filePath(units[i]), QDir(opts.output).filePath(folders[i]), opts, format);
        QByteArray opened;
        QDataStream(&opened, QIODevice::WriteOnly) << job.unreadable << job.err;
        return opened;
    };
    work.close = [&](int i) { held.erase(i); };
    work.part = [&](int i, int k) {
        const UnitJob& job = held.at(i);
        const UnitRoutine& routine = job.unit->routines[static_cast<std::size_t>(k)];
        const RenderedRoutine r = renderRoutineKept(*job.unit, routine, settings, job.opts, job.paths[k]);
        const QString name = r.status == 0 ? QString()
                             : routine.name.isEmpty() ? routineName(routine.line)
                                                      : routine.name;
        QByteArray done;
        QDataStream(&done, QIODevice::WriteOnly) << qint32(r.status) << r.err << name;
        return done;
    };
    // Here: what each unit printed, in order.
    UnitSoFar unit;
    work.opened = [&](int, const QByteArray& opened) {
        unit = UnitSoFar{};
        QString err;
        QDataStream(opened) >> unit.unreadable >> err;
        io.err << err;
    };
    work.partDone = [&](int, int, const QByteArray& done) {
        qint32 status = 1;
        QString err;
        QString name;
        QDataStream(done) >> status >> err >> name;
        io.err << err;
        ++unit.routines;
        if (status != 0) unit.failed << name;
    };
    work.unitDone = [&](int i) {
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
    runUnitsInOrder(total, workerCount(), work);
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
