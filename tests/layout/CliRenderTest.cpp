// The render, measure and draw commands, run as a user runs them.
#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/drawing/DiagramFont.h"
#include "support/CliRun.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

CliRun cli(const QStringList& args, const QByteArray& input = {}) { return runCli(args, input); }

QString example(const char* name) { return QStringLiteral(VEXORIA_SOURCE_DIR "/examples/") + QLatin1String(name); }

TEST(RenderCommand, WritesEachPictureFormat)
{
    QTemporaryDir dir;
    for (const char* name : {"chart.png", "chart.bmp", "chart.jpg"}) {
        const QString out = dir.filePath(QLatin1String(name));
        const CliRun r = cli({QStringLiteral("render"), example("bubble_sort.pas"), QStringLiteral("-o"), out});
        ASSERT_EQ(r.status, 0) << name << qPrintable(r.err);
        QImageReader reader(out);
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << name;
        EXPECT_EQ(img.width(), 700);
        EXPECT_GT(img.height(), 400);
    }
}

TEST(RenderCommand, CancelledOrBadSettingsEndWithStatusOne)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("shema.ini"));
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[myform]\r\nedlin=300\r\n");
    }
    const QString out = dir.filePath(QStringLiteral("x.png"));
    CliRun r = cli({QStringLiteral("render"), example("bubble_sort.pas"), QStringLiteral("--ini"), ini,
                    QStringLiteral("--answer"), QStringLiteral("cancel"), QStringLiteral("-o"), out});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_FALSE(r.err.isEmpty());

    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[myform]\r\nevar=abc\r\n");
    }
    r = cli({QStringLiteral("render"), example("bubble_sort.pas"), QStringLiteral("--ini"), ini, QStringLiteral("-o"),
             out});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("abc"))) << qPrintable(r.err);
}

TEST(MeasureCommand, AnswersEachLineWithTheLayoutWidth)
{
    const CliRun r = cli({QStringLiteral("measure")}, QByteArray("a > b\n\nEND SHEMA\ntab\\there\n"));
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.outText().split(u'\n', Qt::SkipEmptyParts),
              (QStringList{QString::number(diagramTextWidth(QStringLiteral("a > b"))), QStringLiteral("0"),
                           QString::number(diagramTextWidth(QStringLiteral("END SHEMA"))),
                           QString::number(diagramTextWidth(QStringLiteral("tab\there")))}));
}

TEST(DrawCommand, PrintsTheCallsOfTheWholeBuild)
{
    const CliRun r = cli({QStringLiteral("draw"), example("safe_divide.pas")});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    const QStringList lines = r.outText().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 10);
    EXPECT_EQ(lines[0], QStringLiteral("pen width=1"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("roundrect ")));
    // The end block's mark, 35 right of its box's left edge at 275.
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^text 310,\\d+ \"END SHEMA\"$"))).size(), 1)
        << qPrintable(r.outText());
}

} // namespace
} // namespace vexoria::test
