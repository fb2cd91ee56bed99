#include "cli/RenderUnit.h"

#include <functional>

#include <QDataStream>
#include <QDir>
#include <QFileInfo>

#include "cli/UnitWork.h"
#include "cli/OutputChecks.h"
#include "cli/RenderFolder.h"
#include "pipeline/Workspace.h"
#include "platform/files/FileNames.h"
#include "platform/files/OutputFile.h"
#include "platform/pictures/PictureFormat.h"
#include "platform/settings/SettingsFile.h"
#include "source/TextFile.h"
#include "source/UnitScanner.h"

namespace vexoria::cli {

const OptionInfo kRoutineOption{"--routine", "K|NAME",
                                "FILE is a unit: draw its K-th routine (from 1) or the one named NAME"};
const OptionInfo kAllOption{"--all", nullptr, "FILE is a unit: draw every routine into the folder OUT"};
const OptionInfo kFormatOption{"--format", "png|bmp|jpg|svg|pdf",
                               "with --all: the picture format (png when not given)"};

std::optional<Unit> readUnit(const QString& path, Io& io)
{
    const auto bytes = readInputFile(path, io);
    if (!bytes) return std::nullopt;
    Unit unit;
    unit.lines = decodeTextFile(*bytes).lines;
    unit.implLine = findImplLine(unit.lines);
    int number = 0;
    for (const QString& line : listRoutineLines(unit.lines, unit.implLine))
        unit.routines.push_back(UnitRoutine{++number, line, routineIdentifier(line)});
    return unit;
}

QString routineCode(const Unit& unit, const UnitRoutine& routine)
{
    QString code;
    for (const QString& line : copyRoutine(unit.lines, unit.implLine, routineName(routine.line)))
        code += line + QStringLiteral("\r\n");
    return code;
}

bool isUnitRender(const Args& args) { return args.has("--routine") || args.has("--all") || args.has("--format"); }

namespace {

// A file name holds at most 255 bytes on the usual file systems.
constexpr qsizetype kMaxFileNameBytes = 255;

// text cut at a character boundary to at most bytes bytes of UTF-8.
QString cutToBytes(const QString& text, qsizetype bytes)
{
    QString cut;
    qsizetype used = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = i + 1 < text.size() && text[i].isHighSurrogate() ? 2 : 1;
        const qsizetype size = text.mid(i, n).toUtf8().size();
        if (used + size > bytes) break;
        cut += text.mid(i, n);
        used += size;
        i += n - 1;
    }
    return cut;
}

} // namespace

QString chartFileName(const UnitRoutine& routine, const QString& suffix, QSet<QString>& taken)
{
    QString base;
    for (QChar c : routine.name) base += c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u'-' ? c : QChar(u'_');
    // Names Windows keeps for devices cannot be files there.
    static const QStringList reserved = {"con",  "prn",  "aux",  "nul",  "com1", "com2",
                                         "com3", "com4", "lpt1", "lpt2", "lpt3"};
    if (reserved.contains(base.section(u'.', 0, 0).toLower())) base += u'_';
    if (base.isEmpty()) base = QStringLiteral("routine-%1").arg(routine.number);
    // A long name is cut so that it fits with its number and suffix; the
    // numbers keep cut names apart.
    const qsizetype room = kMaxFileNameBytes - suffix.toUtf8().size();
    QString name = cutToBytes(base, room) + suffix;
    // A set, not a list: a unit of thousands of routines must not compare
    // every name with every other.
    for (int k = 2; taken.contains(name.toLower()); ++k) {
        const QString number = u'-' + QString::number(k);
        name = cutToBytes(base, room - number.size()) + number + suffix;
    }
    taken.insert(name.toLower());
    return name;
}

namespace {

// The routine that --routine names: a number from 1, or a name compared
// without case, first whole ("TIOStream.Read"), then by its last part ("Read").
const UnitRoutine* findRoutine(const Unit& unit, const QString& wanted, Io& io)
{
    bool isNumber = false;
    const int k = wanted.toInt(&isNumber);
    if (isNumber) {
        if (k >= 1 && k <= static_cast<int>(unit.routines.size()))
            return &unit.routines[static_cast<std::size_t>(k - 1)];
        io.err << "vexoria-cli: there is no routine " << k << "; the unit has " << unit.routines.size() << Qt::endl;
        return nullptr;
    }
    for (bool lastPart : {false, true}) {
        std::vector<const UnitRoutine*> found;
        for (const UnitRoutine& r : unit.routines) {
            const QString n = lastPart ? r.name.section(u'.', -1) : r.name;
            if (!r.name.isEmpty() && n.compare(wanted, Qt::CaseInsensitive) == 0) found.push_back(&r);
        }
        if (found.size() == 1) return found[0];
        if (found.size() > 1) {
            QStringList numbers;
            for (const UnitRoutine* r : found) numbers << QString::number(r->number);
            io.err << "vexoria-cli: " << wanted << " names routines " << numbers.join(QStringLiteral(", "))
                   << "; give the number" << Qt::endl;
            return nullptr;
        }
    }
    io.err << "vexoria-cli: no routine " << wanted << " in the unit (vexoria-cli routines FILE lists them)" << Qt::endl;
    return nullptr;
}

QString shownName(const UnitRoutine& r) { return r.name.isEmpty() ? routineName(r.line) : r.name; }

int renderOne(const Unit& unit, const UnitRoutine& routine, const Settings& settings, const BuildOptions& opts,
              const QString& output, Io& io);

} // namespace

RenderedRoutine renderRoutineKept(const Unit& unit, const UnitRoutine& routine, const Settings& settings,
                                  const BuildOptions& opts, const QString& path)
{
    RenderedRoutine rendered;
    QTextStream out(&rendered.out);
    QTextStream err(&rendered.err);
    Io io{out, err};
    if (namesSameFile(path, opts.file) || namesSameFile(path, opts.ini)) {
        io.err << "vexoria-cli: " << path << " is an input of the command; it is not written over" << Qt::endl;
        rendered.status = 1;
    } else {
        rendered.status = renderOne(unit, routine, settings, opts, path, io);
    }
    out.flush();
    err.flush();
    return rendered;
}

namespace {

int renderOne(const Unit& unit, const UnitRoutine& routine, const Settings& settings, const BuildOptions& opts,
              const QString& output, Io& io)
{
    CliPrompter prompter(io.err, opts.answer);
    Workspace ws;
    ws.prompter = &prompter;
    ws.settings = settings;
    ws.codeText = routineCode(unit, routine);
    const std::optional<PictureFormat> format = outputPictureFormat(output);
    if (!format) return 1; // checked before: --format and OUT's extension are both validated
    const QString source = QStringLiteral("%1, routine %2").arg(opts.file, shownName(routine));
    return renderChart(ws, *format, opts.answer, output, source, io);
}

int renderAll(const Unit& unit, const Settings& settings, const BuildOptions& opts, const QString& format, Io& io)
{
    const QString dir = opts.output;
    if (unit.routines.empty()) {
        io.err << "vexoria-cli: " << opts.file << " holds no routine" << Qt::endl;
        return 1;
    }
    if (!makeFolders(dir)) {
        io.err << "vexoria-cli: cannot make the folder " << dir << Qt::endl;
        return 1;
    }
    const int total = static_cast<int>(unit.routines.size());
    // The names are given in the order of the list, before any chart is drawn:
    // which routine gets "-2" must not depend on which finished first.
    QSet<QString> taken;
    QStringList paths;
    for (const UnitRoutine& r : unit.routines) paths << QDir(dir).filePath(chartFileName(r, u'.' + format, taken));
    QStringList failed;
    UnitWork work;
    // The unit is read already, here, before the workers start: each of them
    // has it.
    work.sharedFrom = 2;
    work.open = [&](int, int& parts) {
        parts = total;
        return QByteArray();
    };
    work.part = [&](int, int i) {
        const RenderedRoutine r =
            renderRoutineKept(unit, unit.routines[static_cast<std::size_t>(i)], settings, opts, paths[i]);
        QByteArray done;
        QDataStream(&done, QIODevice::WriteOnly) << qint32(r.status) << r.out << r.err;
        return done;
    };
    work.close = [](int) {};
    work.opened = [](int, const QByteArray&) {};
    work.partDone = [&](int, int i, const QByteArray& done) {
        RenderedRoutine rendered;
        qint32 status = 1;
        QDataStream(done) >> status >> rendered.out >> rendered.err;
        const UnitRoutine& r = unit.routines[static_cast<std::size_t>(i)];
        const QString shown = shownName(r);
        io.out << rendered.out;
        io.err << rendered.err;
        io.err << '[' << r.number << '/' << total << "] " << shown;
        if (status == 0) {
            io.err << " -> " << QDir::toNativeSeparators(paths[i]) << Qt::endl;
        } else {
            io.err << ": failed" << Qt::endl;
            failed << shown;
        }
    };
    work.unitDone = [](int) {};
    OutputBatch batch(dir);
    runUnitsInOrder(1, workerCount(), work);
    QString unsynced;
    if (!batch.finish(&unsynced)) {
        io.err << "vexoria-cli: " << unsynced << Qt::endl;
        return 1;
    }
    if (failed.isEmpty()) {
        io.err << "vexoria-cli: " << total << " routines, " << total << " charts in " << dir << Qt::endl;
        return 0;
    }
    io.err << "vexoria-cli: " << total << " routines, " << total - failed.size() << " charts in " << dir << ", "
           << failed.size() << " failed: " << failed.join(QStringLiteral(", ")) << Qt::endl;
    return 1;
}

} // namespace

int renderUnit(const CommandInfo& info, const Args& args, const BuildOptions& opts, Io& io)
{
    const bool all = args.has("--all");
    if (all && args.has("--routine")) {
        usageError(info, QStringLiteral("--routine and --all exclude each other"), io);
        return 2;
    }
    if (!all && args.has("--format")) {
        usageError(info, QStringLiteral("--format goes with --all"), io);
        return 2;
    }
    const QString format = args.value("--format", QStringLiteral("png")).toLower();
    if (!QStringList{"png", "bmp", "jpg", "svg", "pdf"}.contains(format)) {
        usageError(info, QStringLiteral("--format takes png, bmp, jpg, svg or pdf, not %1").arg(format), io);
        return 2;
    }
    QString formatError;
    if (!all && !outputPictureFormat(opts.output, &formatError)) {
        usageError(info, formatError, io);
        return 2;
    }
    if (all && isStreamTarget(opts.output)) {
        usageError(info,
                   QStringLiteral("--all writes one file per routine: -o must name a folder, not %1").arg(opts.output),
                   io);
        return 2;
    }
    if (!all && (!checkNotOverInput(info, opts, opts.output, io))) return 2;
    if (!all && !checkOutputFolder(opts.output, io)) return 1;
    Settings settings;
    if (!opts.ini.isEmpty() && !loadIniFile(opts.ini, settings, io)) return 1;
    // A worker process that ended without its work done is one line.
    if (all && QFileInfo(opts.file).isDir()) return guarded(io, [&] { return renderFolder(settings, opts, format, io); });
    const auto unit = readUnit(opts.file, io);
    if (!unit) return 1;
    if (all) return guarded(io, [&] { return renderAll(*unit, settings, opts, format, io); });
    const UnitRoutine* routine = findRoutine(*unit, args.value("--routine"), io);
    if (!routine) return 1;
    return renderOne(*unit, *routine, settings, opts, opts.output, io);
}

} // namespace vexoria::cli
