// The routine queue on the command line: routines lists a unit's routines,
// render --routine draws one, render --all draws every one into a folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/CliRun.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

// A real unit of Free Pascal's component library (see tests/data/source/README).
const QString kIostream = QStringLiteral(VEXORIA_TEST_DATA "/source/iostream.pp");

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

CliRun cli(const QStringList& args) { return runCli(args); }

} // namespace

TEST(RoutinesCommand, ListsEveryRoutineLineOfTheImplementationWithItsNumber)
{
    const CliRun r = cli({QStringLiteral("routines"), kIostream});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    const QStringList lines = r.outText().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7) << qPrintable(r.outText());
    EXPECT_EQ(lines.first(), QStringLiteral("1\tprocedure TIOStream.SetSize(const NewSize: Int64);"));
    EXPECT_EQ(lines[3], QStringLiteral("4\tconstructor TIOStream.Create(aIOSType : TIOSType);"));
    EXPECT_EQ(lines.last(),
              QStringLiteral("7\tfunction TIOStream.Seek(const Offset: int64; Origin: TSeekOrigin): int64;"));

    EXPECT_EQ(cli({QStringLiteral("routines"), QStringLiteral("/no/such/unit.pas")}).status, 1);
}

TEST(RenderCommand, AllDrawsOneChartPerRoutineOfARealUnit)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("charts"));
    const CliRun r = cli({QStringLiteral("render"), kIostream, QStringLiteral("--all"), QStringLiteral("-o"), out});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    const QStringList files = QDir(out).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, QStringList({"TIOStream.Create.png", "TIOStream.GetPosition.png", "TIOStream.InvalidSeek.png",
                                  "TIOStream.Read.png", "TIOStream.Seek.png", "TIOStream.SetSize.png",
                                  "TIOStream.Write.png"}));
    for (const QString& f : files) {
        const QImage img = QImageReader(QDir(out).filePath(f)).read();
        EXPECT_EQ(img.width(), 700) << qPrintable(f);
        EXPECT_GT(img.height(), 150) << qPrintable(f);
    }
    const QStringList progress = r.err.split(u'\n').filter(QRegularExpression(QStringLiteral("^\\[\\d/7\\] ")));
    EXPECT_EQ(progress.size(), 7) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains(QStringLiteral("7 routines, 7 charts"))) << qPrintable(r.err);
}

TEST(RenderCommand, OneRoutineByItsNumberOrItsName)
{
    QTemporaryDir dir;
    const QString byNumber = dir.filePath(QStringLiteral("5.png"));
    const QString byName = dir.filePath(QStringLiteral("read.png"));
    ASSERT_EQ(cli({QStringLiteral("render"), kIostream, QStringLiteral("--routine"), QStringLiteral("5"),
                   QStringLiteral("-o"), byNumber})
                  .status,
              0);
    ASSERT_EQ(cli({QStringLiteral("render"), kIostream, QStringLiteral("--routine"), QStringLiteral("read"),
                   QStringLiteral("-o"), byName})
                  .status,
              0);
    EXPECT_EQ(readFile(byNumber), readFile(byName));

    for (const char* wanted : {"0", "8", "Nothing"}) {
        const CliRun r = cli({QStringLiteral("render"), kIostream, QStringLiteral("--routine"), QLatin1String(wanted),
                              QStringLiteral("-o"), dir.filePath(QStringLiteral("x.png"))});
        EXPECT_EQ(r.status, 1) << wanted;
        EXPECT_EQ(r.err.split(u'\n').filter(QRegularExpression(QStringLiteral("^vexoria-cli: "))).size(), 1)
            << qPrintable(r.err);
    }
    EXPECT_EQ(cli({QStringLiteral("render"), kIostream, QStringLiteral("--routine"), QStringLiteral("1"),
                   QStringLiteral("--all"), QStringLiteral("-o"), dir.path()})
                  .status,
              2);
}

TEST(RenderCommand, AllGoesOnPastAFailedRoutineAndNamesEveryFileOnce)
{
    QTemporaryDir dir;
    const QString unit = writeFile(dir, "shapes.pas",
                                   "unit Shapes;\ninterface\nimplementation\n"
                                   "procedure Draw(x: Integer);\nbegin\n  x := 1;\nend;\n"
                                   "procedure Draw(s: string);\nbegin\n  s := 'a';\nend;\n"
                                   "//function\n"
                                   "procedure Long;\nbegin\n  a := 1;\n  b := 2;\n  if a > b then\n    c := 3;\n"
                                   "  while a < 10 do\n    a := a + 1;\n  d := 4;\nend;\nend.\n");
    const QString ini = writeFile(dir, "shema.ini", "[myform]\r\nedlin=200\r\n");
    const QString out = dir.filePath(QStringLiteral("out"));
    const CliRun r = cli({QStringLiteral("render"), unit, QStringLiteral("--all"), QStringLiteral("--format"),
                          QStringLiteral("bmp"), QStringLiteral("--ini"), ini, QStringLiteral("--answer"),
                          QStringLiteral("cancel"), QStringLiteral("-o"), out});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(QDir(out).entryList(QDir::Files, QDir::Name), QStringList({"Draw-2.bmp", "Draw.bmp", "routine-3.bmp"}));
    EXPECT_TRUE(r.err.contains(QStringLiteral("[4/4] Long: failed"))) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains(QStringLiteral("1 failed: Long"))) << qPrintable(r.err);
}

} // namespace vexoria::test
