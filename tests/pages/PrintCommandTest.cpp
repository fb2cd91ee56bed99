// vexoria-cli print, run as a user runs it; the PDF is read back with
// pdfinfo for its pages and their size and with pdftotext for its text.
#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include "support/LongRoutine.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

struct Ran {
    int status = -1;
    QString out;
    QString err;
};

Ran run(const QString& program, const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    EXPECT_TRUE(p.waitForStarted()) << qPrintable(program);
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

Ran cli(const QStringList& args) { return run(QStringLiteral(VEXORIA_CLI), args); }

struct PdfInfo {
    int pages = 0;
    QString pageSize;
    QString title;
};

PdfInfo pdfinfo(const QString& path)
{
    const Ran r = run(QStringLiteral("pdfinfo"), {path});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    PdfInfo info;
    for (const QString& line : r.out.split(u'\n')) {
        const QString value = line.section(u':', 1).trimmed();
        if (line.startsWith(QLatin1String("Pages:"))) info.pages = value.toInt();
        if (line.startsWith(QLatin1String("Page size:"))) info.pageSize = value;
        if (line.startsWith(QLatin1String("Title:"))) info.title = value;
    }
    return info;
}

QString writeLongRoutine(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("long.pas"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(longRoutine(60).toUtf8());
    return path;
}

const QString kA4 = QStringLiteral("595 x 842 pts (A4)");

// The text a PDF holds, as pdftotext reads it.
QString pdfText(const QString& path)
{
    const Ran r = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    return r.out;
}

TEST(PrintCommand, WritesOneA4SheetPerPageAndEveryPageOfALongChart)
{
    QTemporaryDir dir;
    const QString example = QStringLiteral(VEXORIA_SOURCE_DIR "/examples/bubble_sort.pas");
    const QString small = dir.filePath(QStringLiteral("small.pdf"));
    Ran r = cli({QStringLiteral("print"), example, QStringLiteral("-o"), small});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    PdfInfo info = pdfinfo(small);
    EXPECT_EQ(info.pages, 1);
    EXPECT_EQ(info.pageSize, kA4);
    EXPECT_TRUE(info.title.startsWith(QStringLiteral("Блок-Схема procedure bubblesort"))) << qPrintable(info.title);
    const QString one = dir.filePath(QStringLiteral("one.pdf"));
    r = cli({QStringLiteral("print"), example, QStringLiteral("--one-sheet"), QStringLiteral("-o"), one});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(pdfinfo(one).pages, 1);
    // The chart is drawn as lines and text: its boxes' text can be found.
    for (const QString& pdf : {small, one}) {
        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("j := 0 to n - 2 - i"))) << qPrintable(text);
        EXPECT_TRUE(text.contains(QStringLiteral("Переход"))) << qPrintable(text);
    }

    const QString code = writeLongRoutine(dir);
    const QString png = dir.filePath(QStringLiteral("long.png"));
    ASSERT_EQ(cli({QStringLiteral("render"), code, QStringLiteral("-o"), png}).status, 0);
    const int h = QImageReader(png).size().height();
    ASSERT_GT(h, 12 * 1040);

    const QString paged = dir.filePath(QStringLiteral("long.pdf"));
    r = cli({QStringLiteral("print"), code, QStringLiteral("--labels"), QStringLiteral("-o"), paged});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    info = pdfinfo(paged);
    EXPECT_EQ(info.pages, (h + 1039) / 1040);
    EXPECT_EQ(info.pageSize, kA4);
}

TEST(PrintCommand, AFileThatCannotBeWrittenIsOneLineAndStatusOne)
{
    QTemporaryDir dir;
    const QString example = QStringLiteral(VEXORIA_SOURCE_DIR "/examples/day_name.pas");
    const QString out = dir.filePath(QStringLiteral("missing/out.pdf"));
    const Ran r = cli({QStringLiteral("print"), example, QStringLiteral("-o"), out});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.count(QStringLiteral("vexoria-cli")), 1) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains(QStringLiteral("cannot write %1").arg(out))) << qPrintable(r.err);
    EXPECT_FALSE(QFile::exists(out));

    EXPECT_EQ(cli({QStringLiteral("print"), example}).status, 2);
    EXPECT_TRUE(cli({QStringLiteral("print"), QStringLiteral("--help")}).out.contains(QStringLiteral("Every page")));
}

} // namespace
} // namespace vexoria::test
