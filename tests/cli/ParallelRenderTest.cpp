// render --all on every core: the same files and the same lines, in the same
// order, as on one core; render FOLDER --all over a tree of units.
#include <sched.h>
#include <signal.h>

#include <chrono>
#include <csignal>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QThread>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "cli/UnitWork.h"
#include "support/CliRun.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Every file under dir, relative to it, with its contents.
QMap<QString, QByteArray> filesUnder(const QString& dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        files.insert(QDir(dir).relativeFilePath(path), f.readAll());
    }
    return files;
}

// A unit of many routines: short ones, long ones (which fail with a small
// length limit answered Cancel), one without code and two of one name.
QByteArray manyRoutines()
{
    QByteArray unit = "unit Many;\ninterface\nimplementation\n";
    for (int k = 0; k < 24; ++k) {
        unit += "procedure P" + QByteArray::number(k % 20) + ";\nbegin\n";
        const int statements = k % 5 == 3 ? 40 : k % 7;
        for (int s = 0; s < statements; ++s) unit += "  if a > " + QByteArray::number(s) + " then\n    b := 1;\n";
        unit += "end;\n";
    }
    return unit + "end.\n";
}

void onOneCore()
{
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(0, &one);
    sched_setaffinity(0, sizeof one, &one);
}

TEST(ParallelRender, EveryCoreGivesTheFilesAndLinesOfOne)
{
    QTemporaryDir dir;
    const QString unit = dir.filePath(QStringLiteral("many.pas"));
    writeFile(unit, manyRoutines());
    const QString ini = dir.filePath(QStringLiteral("shema.ini"));
    writeFile(ini, "[myform]\r\nedlin=600\r\n");
    for (const char* format : {"svg", "png"}) {
        CliRun runs[2];
        for (int one : {0, 1}) {
            const QString out = dir.filePath(QStringLiteral("out%1-%2").arg(one).arg(QLatin1String(format)));
            runs[one] = runCli({QStringLiteral("render"), unit, QStringLiteral("--all"), QStringLiteral("--format"),
                                QLatin1String(format), QStringLiteral("--ini"), ini, QStringLiteral("--answer"),
                                QStringLiteral("cancel"), QStringLiteral("-o"), out},
                               {}, one ? std::function<void()>(onOneCore) : std::function<void()>());
            runs[one].err.replace(out, QStringLiteral("OUT"));
        }
        EXPECT_EQ(runs[0].status, 1) << format;
        EXPECT_EQ(runs[1].status, runs[0].status) << format;
        EXPECT_EQ(runs[1].err, runs[0].err) << format;
        EXPECT_TRUE(runs[0].err.contains(QStringLiteral("[4/24] P3: failed\n"))) << qPrintable(runs[0].err);
        EXPECT_TRUE(runs[0].err.contains(QStringLiteral("[21/24] P0 -> OUT/P0-2."))) << qPrintable(runs[0].err);
        const auto files = filesUnder(dir.filePath(QStringLiteral("out0-%1").arg(QLatin1String(format))));
        EXPECT_EQ(files.size(), 24 - runs[0].err.count(QStringLiteral(": failed\n"))) << format;
        EXPECT_EQ(filesUnder(dir.filePath(QStringLiteral("out1-%1").arg(QLatin1String(format)))), files) << format;
    }
}

TEST(ParallelRender, AFolderOfUnitsIsMirroredUnderOut)
{
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src"));
    const QByteArray two = "unit Two;\ninterface\nimplementation\nprocedure A;\nbegin\n  a := 1;\nend;\n"
                           "function B: Integer;\nbegin\n  B := 2;\nend;\nend.\n";
    writeFile(src + "/two.pas", two);
    writeFile(src + "/two.inc", "procedure C;\nbegin\n  c := 3;\nend;\n");
    writeFile(src + "/deep/er/prog.lpr", "program P;\nprocedure D;\nbegin\n  d := 4;\nend;\nbegin\n  D;\nend.\n");
    writeFile(src + "/deep/consts.inc", "const x = 1;\n");
    writeFile(src + "/deep/bad.pp", QByteArray("\0\1\2binary", 9));
    writeFile(src + "/notes.txt", "procedure N;\nbegin\nend;\n");
    const QString out = dir.filePath(QStringLiteral("charts"));
    const CliRun r = runCli({QStringLiteral("render"), src, QStringLiteral("--all"), QStringLiteral("--format"),
                             QStringLiteral("svg"), QStringLiteral("-o"), out});
    // The unit that is not text cannot be read: status 1, the rest drawn.
    EXPECT_EQ(r.status, 1) << qPrintable(r.err);
    EXPECT_EQ(filesUnder(out).keys(),
              QStringList({"deep/er/prog/D.svg", "two/C.svg", "two_pas/A.svg", "two_pas/B.svg"}));
    const QStringList lines = r.err.split(u'\n', Qt::SkipEmptyParts);
    QStringList progress;
    for (const QString& line : lines)
        if (line.startsWith(u'[')) progress << line;
    EXPECT_EQ(progress, QStringList({"[1/5] deep/bad.pp: failed", "[2/5] deep/consts.inc: no routine",
                                     "[3/5] deep/er/prog.lpr -> " + out + "/deep/er/prog: 1 of 1 charts",
                                     "[4/5] two.inc -> " + out + "/two: 1 of 1 charts",
                                     "[5/5] two.pas -> " + out + "/two_pas: 2 of 2 charts"}))
        << qPrintable(r.err);
    EXPECT_EQ(lines.last(), "vexoria-cli: 5 units, 4 routines, 4 charts in " + out + ", 1 unit not read");

    const CliRun none = runCli({QStringLiteral("render"), out + "/two", QStringLiteral("--all"), QStringLiteral("-o"),
                                dir.filePath(QStringLiteral("x"))});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.err.contains(QStringLiteral("holds no unit"))) << qPrintable(none.err);
}

// A worker killed while it draws: the command ends with the lines of what
// was done before, one line naming what ended it, and status 1.
TEST(ParallelRender, AKilledWorkerEndsTheCommandWithOneLine)
{
    if (QThread::idealThreadCount() < 2) GTEST_SKIP() << "one core: no worker processes";
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src"));
    for (int u = 0; u < 300; ++u) writeFile(src + QStringLiteral("/u%1.pas").arg(u, 3, 10, QChar(u'0')), manyRoutines());
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VEXORIA_CLI), {QStringLiteral("render"), src, QStringLiteral("--all"),
                                          QStringLiteral("--format"), QStringLiteral("svg"), QStringLiteral("-o"),
                                          dir.filePath(QStringLiteral("out"))});
    ASSERT_TRUE(p.waitForStarted());
    // The front end hands over to the program in the same process. Its
    // workers are killed once charts are being written: each then holds
    // jobs (a worker that ends holding none loses nothing, and the others
    // finish the work).
    const QString children = QStringLiteral("/proc/%1/task/%1/children").arg(p.processId());
    QByteArray workers;
    for (int i = 0; i < 5000 && p.state() == QProcess::Running; ++i) {
        QThread::msleep(1);
        QFile f(children);
        if (f.open(QIODevice::ReadOnly)) workers = f.readAll();
        if (!workers.trimmed().isEmpty() && QDir(dir.filePath(QStringLiteral("out/u010"))).exists()) break;
    }
    ASSERT_FALSE(workers.trimmed().isEmpty()) << "no worker seen";
    ::kill(static_cast<pid_t>(workers.trimmed().split(' ').first().toInt()), SIGKILL);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    const QStringList lines = QString::fromUtf8(p.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.last(), QStringLiteral("vexoria-cli: a worker process ended on signal 9 (Killed)"));
    for (int i = 0; i + 1 < lines.size(); ++i)
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("[%1/300] ").arg(i + 1))) << qPrintable(lines[i]);
}

// Units of few parts and of many (handed out to every worker a few at a
// time), early ones slowest, so that later ones are done first.
int partsOf(int unit) { return unit % 3 == 0 ? 150 : unit % 5; }

struct Recorded {
    QStringList seen;
    vexoria::cli::UnitWork work;
    Recorded(int failUnit, int failPart, const std::function<void()>& fail)
    {
        work.open = [](int unit, int& parts) {
            parts = partsOf(unit);
            return QByteArray::number(unit * 10);
        };
        work.close = [](int) {};
        work.part = [=](int unit, int part) {
            std::this_thread::sleep_for(std::chrono::microseconds(unit < 3 ? 300 : 0));
            if (unit == failUnit && part == failPart) fail();
            return QByteArray::number(unit * 1000 + part);
        };
        work.opened = [this](int unit, const QByteArray& b) {
            EXPECT_EQ(b.toInt(), unit * 10);
            seen << QStringLiteral("u%1").arg(unit);
        };
        work.partDone = [this](int unit, int part, const QByteArray& b) {
            EXPECT_EQ(b.toInt(), unit * 1000 + part);
            seen << QStringLiteral("u%1p%2").arg(unit).arg(part);
        };
        work.unitDone = [this](int unit) { seen << QStringLiteral("d%1").arg(unit); };
    }
};

QStringList expectedUpTo(int units, int failUnit, int failPart)
{
    QStringList e;
    for (int u = 0; u < units; ++u) {
        e << QStringLiteral("u%1").arg(u);
        for (int p = 0; p < partsOf(u); ++p) {
            if (u == failUnit && p == failPart) return e;
            e << QStringLiteral("u%1p%2").arg(u).arg(p);
        }
        e << QStringLiteral("d%1").arg(u);
    }
    return e;
}

TEST(UnitWork, EverythingComesInOrderAndAFailureInItsTurn)
{
    for (int workers : {1, 2, 3}) {
        Recorded all(-1, -1, [] {});
        vexoria::cli::runUnitsInOrder(10, workers, all.work);
        EXPECT_EQ(all.seen, expectedUpTo(10, -1, -1)) << workers;

        // A failure in a part of a large unit, while later units are done.
        Recorded failing(6, 70, [] { throw std::runtime_error("seventy"); });
        try {
            vexoria::cli::runUnitsInOrder(10, workers, failing.work);
            ADD_FAILURE() << "no failure, " << workers;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "seventy");
        }
        EXPECT_EQ(failing.seen, expectedUpTo(10, 6, 70)) << workers;

        Recorded short_of_memory(4, 2, [] { throw std::bad_alloc(); });
        EXPECT_THROW(vexoria::cli::runUnitsInOrder(10, workers, short_of_memory.work), std::bad_alloc) << workers;
        EXPECT_EQ(short_of_memory.seen, expectedUpTo(10, 4, 2)) << workers;
    }
}

TEST(UnitWork, AWorkerThatDiesIsAFailureInItsTurn)
{
    Recorded dying(3, 100, [] { ::raise(SIGKILL); });
    try {
        vexoria::cli::runUnitsInOrder(8, 2, dying.work);
        ADD_FAILURE() << "no failure";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("signal 9"))) << e.what();
    }
    // Everything before the parts the worker held when it ended (96 to 111)
    // was handed on, and nothing after.
    EXPECT_EQ(dying.seen, expectedUpTo(8, 3, 96));
}

} // namespace
} // namespace vexoria::test
