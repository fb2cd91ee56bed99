// How every command reads its FILE and INI: standard input to its end however
// slowly it comes, nothing over 64 MB, nothing that is not text, names by
// their bytes, and a settings file that cannot be read named with the reason.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/CliRun.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

const QString kRoutine = QStringLiteral(VEXORIA_SOURCE_DIR "/examples/day_name.pas");

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

QByteArray unitOf(int routines)
{
    QByteArray unit = "unit Many;\ninterface\nimplementation\n";
    for (int i = 1; i <= routines; ++i)
        unit += "procedure P" + QByteArray::number(i) + ";\nbegin\n  x := " + QByteArray::number(i) + ";\nend;\n\n";
    return unit + "end.\n";
}

// The unit cut into pieces, as a producer that pauses writes it.
QList<QByteArray> piecesOf(const QByteArray& bytes, int count)
{
    QList<QByteArray> pieces;
    const qsizetype size = bytes.size() / count + 1;
    for (qsizetype at = 0; at < bytes.size(); at += size) pieces << bytes.mid(at, size);
    return pieces;
}

// Every command that reads a FILE, with the options it needs to run; the
// file goes last.
QList<QStringList> fileCommands(const QTemporaryDir& dir)
{
    return {{"rows"},
            {"rows", "--stage", "build"},
            {"connections"},
            {"draw"},
            {"routines"},
            {"render", "-o", dir.filePath(QStringLiteral("out.png"))},
            {"print", "-o", dir.filePath(QStringLiteral("out.pdf"))},
            {"export", "-o", dir.filePath(QStringLiteral("out.db"))}};
}

void expectOneFailureLine(const CliRun& r, const QString& text, const QStringList& args)
{
    EXPECT_EQ(r.status, 1) << qPrintable(args.join(u' '));
    const QStringList lines = errorLines(r);
    ASSERT_EQ(lines.size(), 1) << qPrintable(args.join(u' ')) << '\n' << qPrintable(r.err);
    EXPECT_TRUE(lines[0].contains(text)) << qPrintable(lines[0]);
}

TEST(InputReading, AUnitFromASlowPipeIsReadToItsEnd)
{
    const QByteArray unit = unitOf(388);
    const CliRun listed = runCliInPieces({QStringLiteral("routines"), QStringLiteral("-")}, piecesOf(unit, 4), 150);
    EXPECT_EQ(listed.status, 0) << qPrintable(listed.err);
    EXPECT_EQ(listed.outText().count(u'\n'), 388);

    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("p300.svg"));
    const CliRun one = runCliInPieces({QStringLiteral("render"), QStringLiteral("-"), QStringLiteral("--routine"),
                                       QStringLiteral("300"), QStringLiteral("-o"), svg},
                                      piecesOf(unit, 4), 150);
    EXPECT_EQ(one.status, 0) << qPrintable(one.err);
    EXPECT_TRUE(QFile::exists(svg));

    // A routine's statement table is the same whether it came at once or
    // in pieces.
    QFile f(kRoutine);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray code = f.readAll();
    const CliRun whole = runCli({QStringLiteral("rows"), kRoutine});
    const CliRun slow = runCliInPieces({QStringLiteral("rows"), QStringLiteral("-")}, piecesOf(code, 3), 150);
    EXPECT_EQ(slow.status, 0);
    EXPECT_EQ(slow.out, whole.out);
}

TEST(InputReading, AFileOverTheSizeLimitIsRefusedByEveryCommand)
{
    QTemporaryDir dir;
    // Sparse: 65 MB of file that takes no room on the disk.
    const QString big = dir.filePath(QStringLiteral("big.pas"));
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(65) << 20));
    }
    for (QStringList args : fileCommands(dir)) {
        args << big;
        expectOneFailureLine(runCli(args), QStringLiteral("cannot read %1: it is larger than 64 MB").arg(big), args);
    }
    const QStringList viaIni{QStringLiteral("render"), kRoutine,
                             QStringLiteral("--ini"),  big,
                             QStringLiteral("-o"),     dir.filePath(QStringLiteral("out.png"))};
    expectOneFailureLine(runCli(viaIni), QStringLiteral("larger than 64 MB"), viaIni);
    const QStringList fromPipe{QStringLiteral("rows"), QStringLiteral("-")};
    expectOneFailureLine(runCli(fromPipe, QByteArray((qint64(64) << 20) + 1, 'x')),
                         QStringLiteral("cannot read standard input: it is larger than 64 MB"), fromPipe);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.png"))));
}

TEST(InputReading, BinaryInputIsRefusedByEveryCommand)
{
    QTemporaryDir dir;
    // The start of a gzip file: a NUL byte among the first few.
    const QString gz = writeFile(dir, QStringLiteral("code.pas.gz"),
                                 QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03procedure", 19));
    for (QStringList args : fileCommands(dir)) {
        args << gz;
        expectOneFailureLine(runCli(args), QStringLiteral("vexoria-cli: %1 is not a text file").arg(gz), args);
    }
    const QStringList fromPipe{QStringLiteral("render"), QStringLiteral("-"), QStringLiteral("-o"),
                               dir.filePath(QStringLiteral("out.png"))};
    expectOneFailureLine(runCli(fromPipe, QByteArray("begin\0end", 9)),
                         QStringLiteral("standard input is not a text file"), fromPipe);
    for (const char* out : {"out.png", "out.pdf", "out.db"})
        EXPECT_FALSE(QFile::exists(dir.filePath(QLatin1String(out))));
}

TEST(InputReading, RunningOutOfMemoryIsReportedNotAnAbort)
{
    // 60 MB of "y" lines under a 500 MB address space: the table cannot be
    // made, and the command says so instead of dying on the exception.
    QByteArray yes;
    yes.reserve(60 << 20);
    while (yes.size() < (60 << 20)) yes += "y\n";
    const CliRun r = runCli({QStringLiteral("rows"), QStringLiteral("-")}, yes, [] {
        const rlimit lim{rlim_t(500) << 20, rlim_t(500) << 20};
        setrlimit(RLIMIT_AS, &lim);
    });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(errorLines(r), QStringList{QStringLiteral("vexoria-cli: not enough memory")});

    // measure holds a line until it ends: 80 MB with no line break, in 64 MB.
    const CliRun measure = runCli({QStringLiteral("measure")}, QByteArray(80 << 20, 'a'), [] {
        const rlimit lim{rlim_t(64) << 20, rlim_t(64) << 20};
        setrlimit(RLIMIT_AS, &lim);
    });
    EXPECT_EQ(measure.status, 1);
    EXPECT_EQ(errorLines(measure), QStringList{QStringLiteral("vexoria-cli: not enough memory")});
}

TEST(InputReading, ASettingsFileThatCannotBeReadIsNamedWithTheReason)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.png"));
    const QString missing = dir.filePath(QStringLiteral("missing.ini"));
    const auto render = [&](const QString& ini) {
        return runCli({QStringLiteral("render"), kRoutine, QStringLiteral("--ini"), ini, QStringLiteral("-o"), out});
    };
    EXPECT_EQ(errorLines(render(missing)),
              QStringList{QStringLiteral("vexoria-cli: cannot read %1: No such file or directory").arg(missing)});
    EXPECT_EQ(errorLines(render(dir.path())),
              QStringList{QStringLiteral("vexoria-cli: cannot read %1: it is a folder").arg(dir.path())});
    EXPECT_EQ(render(QString()).status, 2);
    EXPECT_FALSE(QFile::exists(out));

    // Only a build reads settings or answers the length question: rows of
    // another stage refuses them instead of passing over them.
    for (const char* stage : {"classify", "check"}) {
        EXPECT_EQ(runCli({QStringLiteral("rows"), QStringLiteral("--stage"), QLatin1String(stage),
                          QStringLiteral("--ini"), missing, kRoutine})
                      .status,
                  2);
        EXPECT_EQ(runCli({QStringLiteral("rows"), QStringLiteral("--stage"), QLatin1String(stage),
                          QStringLiteral("--answer"), QStringLiteral("yes"), kRoutine})
                      .status,
                  2);
    }
}

// A name made under Windows-1251 ("Пробный" in its bytes) is no UTF-8: it
// must still open that file, and an output must get exactly its bytes.
TEST(InputReading, FileNamesThatAreNotUtf8AreKeptByteForByte)
{
    QTemporaryDir dir;
    const QByteArray name = "\xcf\xf0\xee\xe1\xed\xfb\xe9";
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    {
        QFile source(kRoutine);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray code = source.readAll();
        const int fd = ::open((folder + name + ".pas").constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, code.constData(), code.size()), code.size());
        ::close(fd);
    }
    // The arguments go through a shell: they are bytes there, as a user's are.
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"),
             QStringLiteral("n=$(printf '\\317\\360\\356\\341\\355\\373\\351') && "
                            "\"$0\" rows \"$n.pas\" > rows.txt && \"$0\" render \"$n.pas\" -o \"$n.png\" && "
                            "\"$0\" render \"$n.pas\" --all -o \"$n\" 2>/dev/null"),
             QStringLiteral(VEXORIA_CLI)});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    struct stat st {};
    EXPECT_EQ(::stat((folder + name + ".png").constData(), &st), 0) << "the picture has another name";
    EXPECT_EQ(::stat((folder + name).constData(), &st), 0) << "the folder of --all has another name";
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    // Names Qt cannot spell are left out of its list; a name with U+FFFD
    // in it would be there.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"rows.txt"});
}

} // namespace
} // namespace vexoria::test
