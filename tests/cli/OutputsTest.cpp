// Where the commands write: print only a PDF, no command over its own input,
// standard output in place whatever it is, and a missing folder named.
#include <gtest/gtest.h>

#include <utility>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

#include "support/CliRun.h"
#include "support/LongRoutine.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

const QString kRoutine = QStringLiteral(VEXORIA_SOURCE_DIR "/examples/day_name.pas");

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString copyOfRoutine(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    EXPECT_TRUE(QFile::copy(kRoutine, path));
    return path;
}

TEST(Outputs, PrintWritesOnlyAFileNamedPdf)
{
    QTemporaryDir dir;
    const QString source = copyOfRoutine(dir, QStringLiteral("s.pas"));
    const QByteArray code = readAll(source);
    for (const QString& out : {source, dir.filePath(QStringLiteral("x.png")), dir.filePath(QStringLiteral("x"))}) {
        const CliRun r = runCli({QStringLiteral("print"), source, QStringLiteral("-o"), out});
        EXPECT_EQ(r.status, 2) << qPrintable(out);
        EXPECT_TRUE(r.err.contains(QStringLiteral(".pdf"))) << qPrintable(r.err);
    }
    EXPECT_EQ(readAll(source), code);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"s.pas"});

    const CliRun upper =
        runCli({QStringLiteral("print"), source, QStringLiteral("-o"), dir.filePath(QStringLiteral("S.PDF"))});
    EXPECT_EQ(upper.status, 0) << qPrintable(upper.err);
}

TEST(Outputs, NoCommandWritesOverItsOwnInput)
{
    QTemporaryDir dir;
    // Input files whose names each command would take for an output.
    const QString png = copyOfRoutine(dir, QStringLiteral("code.png"));
    const QString pdf = copyOfRoutine(dir, QStringLiteral("code.pdf"));
    const QString db = copyOfRoutine(dir, QStringLiteral("code.db"));
    const QString link = dir.filePath(QStringLiteral("link.pdf"));
    ASSERT_TRUE(QFile::link(pdf, link));
    const QString ini = dir.filePath(QStringLiteral("shema.db"));
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[myform]\r\n");
    }
    const QByteArray code = readAll(png);
    const QList<QStringList> cases{{"render", png, "-o", png},
                                   {"render", png, "--routine", "1", "-o", png},
                                   {"print", pdf, "-o", link},
                                   {"export", db, "-o", db},
                                   {"export", kRoutine, "--ini", ini, "-o", ini}};
    for (const QStringList& args : cases) {
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 2) << qPrintable(args.join(u' '));
        EXPECT_TRUE(r.err.contains(QStringLiteral("is the input"))) << qPrintable(r.err);
    }
    for (const QString& input : {png, pdf, db}) EXPECT_EQ(readAll(input), code) << qPrintable(input);
    EXPECT_EQ(readAll(ini), QByteArray("[myform]\r\n"));
}

TEST(Outputs, StandardOutputByAnyNameIsWrittenInPlace)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log"));
    {
        QFile f(log);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("log\n");
    }
    // As `print FILE -o /dev/stdout >> log`: the PDF follows what was there.
    const QString stdoutName = QStringLiteral("/dev/stdout");
    const CliRun print =
        runCliToFile({QStringLiteral("print"), kRoutine, QStringLiteral("-o"), stdoutName}, log, QIODevice::Append);
    EXPECT_EQ(print.status, 0) << qPrintable(print.err);
    const QByteArray logged = readAll(log);
    EXPECT_TRUE(logged.startsWith("log\n%PDF-")) << logged.left(16).constData();
    EXPECT_TRUE(logged.trimmed().endsWith("%%EOF"));

    // As `render FILE -o /dev/stdout > chart.png`.
    const QString chart = dir.filePath(QStringLiteral("chart.png"));
    const CliRun render = runCliToFile({QStringLiteral("render"), kRoutine, QStringLiteral("-o"), stdoutName}, chart);
    EXPECT_EQ(render.status, 0) << qPrintable(render.err);
    EXPECT_TRUE(readAll(chart).startsWith("\x89PNG"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"chart.png", "log"}));
}

TEST(Outputs, AMissingFolderIsNamedByEveryCommand)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("missing"));
    const std::pair<const char*, const char*> cases[] = {
        {"render", "x.png"}, {"render", "x.svg"}, {"print", "x.pdf"}, {"export", "x.db"}};
    for (const auto& [command, name] : cases) {
        const QString out = folder + u'/' + QLatin1String(name);
        const CliRun r = runCli({QLatin1String(command), kRoutine, QStringLiteral("-o"), out});
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(
            errorLines(r),
            QStringList{QStringLiteral("vexoria-cli: cannot write %1: the folder %2 does not exist").arg(out, folder)});
    }
    EXPECT_FALSE(QFile::exists(folder)) << "export made the folder";

    // --all alone makes its folder; it cannot be standard output.
    const QString allOption = QStringLiteral("--all");
    const CliRun all = runCli({QStringLiteral("render"), kRoutine, allOption, QStringLiteral("-o"), folder});
    EXPECT_EQ(all.status, 0) << qPrintable(all.err);
    EXPECT_FALSE(QDir(folder).isEmpty());
    const CliRun dash =
        runCli({QStringLiteral("render"), kRoutine, allOption, QStringLiteral("-o"), QStringLiteral("-")});
    EXPECT_EQ(dash.status, 2);
    EXPECT_FALSE(QFile::exists(QStringLiteral("-")));
}

TEST(Outputs, AllCutsNamesTooLongForAFileAndKeepsThemApart)
{
    // Two routines of 200 Cyrillic letters (400 bytes) that differ only at
    // their ends, and a short one.
    const QString longName = QString(199, QChar(0x0416));
    const QString unit = QStringLiteral("unit Long;\ninterface\nimplementation\n"
                                        "procedure %1A;\nbegin\n  x := 1;\nend;\n\n"
                                        "procedure %1B;\nbegin\n  x := 2;\nend;\n\n"
                                        "procedure Short;\nbegin\n  x := 3;\nend;\n\nend.\n")
                             .arg(longName);
    QTemporaryDir dir;
    const CliRun r = runCli({QStringLiteral("render"), QStringLiteral("-"), QStringLiteral("--all"),
                             QStringLiteral("--format"), QStringLiteral("svg"), QStringLiteral("-o"), dir.path()},
                            unit.toUtf8());
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    const QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 3) << qPrintable(files.join(u' '));
    EXPECT_TRUE(files.contains(QStringLiteral("Short.svg")));
    for (const QString& f : files) {
        EXPECT_LE(QFile::encodeName(f).size(), 255) << qPrintable(f);
        EXPECT_TRUE(f.endsWith(QLatin1String(".svg"))) << qPrintable(f);
    }
}

// 27,000 pixels of chart, near five times the default length limit: more parts
// than a chart can be built in.
TEST(Outputs, AChartTooLongForPartsIsDrawnWholeWhereThatIsPromised)
{
    QTemporaryDir dir;
    const QByteArray code = longRoutine(100).toUtf8();
    const auto render = [&](const char* answer, const char* name) {
        return runCli({QStringLiteral("render"), QStringLiteral("-"), QStringLiteral("--answer"), QLatin1String(answer),
                       QStringLiteral("-o"), dir.filePath(QLatin1String(name))},
                      code);
    };
    const CliRun whole = render("no", "whole.png");
    EXPECT_EQ(whole.status, 0) << qPrintable(whole.err);
    EXPECT_GT(QImage(dir.filePath(QStringLiteral("whole.png"))).height(), 3 * 5500);
    const CliRun vector = render("yes", "whole.svg");
    EXPECT_EQ(vector.status, 0) << qPrintable(vector.err);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("whole.svg"))));
    const CliRun printed = runCli(
        {QStringLiteral("print"), QStringLiteral("-"), QStringLiteral("-o"), dir.filePath(QStringLiteral("whole.pdf"))},
        code);
    EXPECT_EQ(printed.status, 0) << qPrintable(printed.err);

    // Past what a picture can hold, a BMP is drawn in strips as a PNG is.
    const QString hugeBmp = dir.filePath(QStringLiteral("huge.bmp"));
    const CliRun huge = runCli({QStringLiteral("render"), QStringLiteral("-"), QStringLiteral("-o"), hugeBmp},
                               longRoutine(1500).toUtf8());
    EXPECT_EQ(huge.status, 0) << qPrintable(huge.err);
    QFile hugeFile(hugeBmp);
    ASSERT_TRUE(hugeFile.open(QIODevice::ReadOnly));
    const QByteArray hugeHead = hugeFile.read(26);
    EXPECT_EQ(hugeHead.left(2), QByteArray("BM"));
    const auto le32 = [&](int at) {
        return qint64(static_cast<unsigned char>(hugeHead[at])) | static_cast<unsigned char>(hugeHead[at + 1]) << 8 |
               static_cast<unsigned char>(hugeHead[at + 2]) << 16 |
               qint64(static_cast<unsigned char>(hugeHead[at + 3])) << 24;
    };
    EXPECT_EQ(le32(2), hugeFile.size());
    EXPECT_GT(le32(22) * 700 * 4, qint64(1) << 30) << "rows";
    hugeFile.remove();

    // In parts it cannot be: one line names the limit and the ways out.
    for (const QStringList& args : {QStringList{"render", "-", "--answer", "yes", "-o", dir.filePath("parts.png")},
                                    QStringList{"connections", "-", "--answer", "yes"}}) {
        const CliRun r = runCli(args, code);
        EXPECT_EQ(r.status, 1) << qPrintable(args.join(u' '));
        const QStringList lines = errorLines(r);
        ASSERT_EQ(lines.size(), 1) << qPrintable(r.err);
        EXPECT_TRUE(lines[0].contains(QStringLiteral("edlin=5500"))) << qPrintable(lines[0]);
        EXPECT_TRUE(lines[0].contains(QStringLiteral("--answer no"))) << qPrintable(lines[0]);
    }
}

TEST(Outputs, AJpegTooTallAndARoutineWithoutCodeAreSaidPlainly)
{
    QTemporaryDir dir;
    // About 70,000 pixels of chart: more rows than a JPEG holds.
    const QString jpeg = dir.filePath(QStringLiteral("tall.jpg"));
    const CliRun tall =
        runCli({QStringLiteral("render"), QStringLiteral("-"), QStringLiteral("-o"), jpeg}, longRoutine(260).toUtf8());
    EXPECT_EQ(tall.status, 1);
    const QStringList lines = errorLines(tall);
    ASSERT_EQ(lines.size(), 1) << qPrintable(tall.err);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("a JPEG holds at most 65500"))) << qPrintable(lines[0]);
    EXPECT_FALSE(QFile::exists(jpeg));

    // print warns as render does.
    const CliRun empty = runCli(
        {QStringLiteral("print"), QStringLiteral("-"), QStringLiteral("-o"), dir.filePath(QStringLiteral("empty.pdf"))},
        "  \n");
    EXPECT_EQ(empty.status, 0) << qPrintable(empty.err);
    EXPECT_EQ(errorLines(empty).size(), 1);
    EXPECT_TRUE(empty.err.startsWith(QStringLiteral("vexoria-cli: warning: "))) << qPrintable(empty.err);
}

// A folder on a file system mounted read-only, when the tests may mount one.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QStringList& files)
    {
        if (geteuid() != 0 || !m_dir.isValid()) return;
        const QByteArray path = QFile::encodeName(m_dir.path());
        if (mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k") != 0) return;
        m_mounted = true;
        for (const QString& name : files) {
            QFile f(m_dir.filePath(name));
            if (f.open(QIODevice::WriteOnly)) f.write("old");
        }
        m_readOnly = mount("tmpfs", path.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted) umount(QFile::encodeName(m_dir.path()).constData());
    }
    bool ready() const { return m_readOnly; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_readOnly = false;
};

TEST(Outputs, AReadOnlyFolderOrDatabaseIsNamedInPlainWords)
{
    const ReadOnlyFolder folder({QStringLiteral("chart.png"), QStringLiteral("stroka.db")});
    if (!folder.ready()) GTEST_SKIP() << "no read-only file system could be mounted";
    const QString png = folder.filePath(QStringLiteral("chart.png"));
    const CliRun render = runCli({QStringLiteral("render"), kRoutine, QStringLiteral("-o"), png});
    EXPECT_EQ(render.status, 1);
    EXPECT_EQ(errorLines(render).size(), 1) << qPrintable(render.err);
    EXPECT_TRUE(render.err.contains(QStringLiteral("the folder is read-only"))) << qPrintable(render.err);

    for (const char* name : {"stroka.db", "new.db"}) {
        const QString db = folder.filePath(QLatin1String(name));
        const CliRun exported = runCli({QStringLiteral("export"), kRoutine, QStringLiteral("-o"), db});
        EXPECT_EQ(exported.status, 1);
        EXPECT_EQ(errorLines(exported).size(), 1) << qPrintable(exported.err);
        EXPECT_TRUE(exported.err.contains(QStringLiteral("is read-only"))) << qPrintable(exported.err);
        EXPECT_FALSE(exported.err.contains(QStringLiteral("I/O"))) << qPrintable(exported.err);
    }
    EXPECT_EQ(readAll(png), QByteArray("old"));
}

} // namespace
} // namespace vexoria::test
