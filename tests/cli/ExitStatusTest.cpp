// Status 0 means the output is complete: a text command whose standard
// output could not all be written, or that built nothing, fails with one line.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/CliRun.h"
#include "support/LongRoutine.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

const QString kRoutine = QStringLiteral(VEXORIA_SOURCE_DIR "/examples/bubble_sort.pas");

// A shema.ini in dir that sets only the length limit; empty when it could
// not be written.
QString lengthLimitIni(const QTemporaryDir& dir, const char* maxChartLength)
{
    const QString ini = dir.filePath(QStringLiteral("shema.ini"));
    QFile f(ini);
    if (!f.open(QIODevice::WriteOnly)) return QString();
    f.write(QByteArray("[myform]\r\nedlin=") + maxChartLength + "\r\n");
    return ini;
}

TEST(ExitStatus, TextCommandsReportAStandardOutputThatTakesNoMore)
{
    const QString full = QStringLiteral("/dev/full");
    if (!QFile::exists(full)) GTEST_SKIP() << "no /dev/full";
    const QList<QStringList> commands{{"rows", kRoutine},
                                      {"rows", "--stage", "build", kRoutine},
                                      {"connections", kRoutine},
                                      {"draw", kRoutine},
                                      {"routines", kRoutine}};
    const QString expected = QStringLiteral("vexoria-cli: cannot write standard output: No space left on device");
    for (const QStringList& args : commands) {
        const CliRun r = runCliToFile(args, full);
        EXPECT_EQ(r.status, 1) << qPrintable(args.join(u' '));
        EXPECT_EQ(errorLines(r), QStringList{expected}) << qPrintable(args.join(u' '));
    }
    // measure answers a line at a time, from the front end or, for a text
    // the table lacks, from the complete program.
    for (const QByteArray& texts : {QByteArray("begin\nend\n"), QByteArray("\xe4\xb8\x80\n")}) {
        const CliRun r = runCliToFile({QStringLiteral("measure")}, full, QIODevice::Truncate, texts);
        EXPECT_EQ(r.status, 1) << texts.constData();
        EXPECT_EQ(errorLines(r), QStringList{expected}) << texts.constData();
    }
}

TEST(ExitStatus, ConnectionsFailsWhenNoChartWasBuilt)
{
    QTemporaryDir dir;
    const QString ini = lengthLimitIni(dir, "2000");
    ASSERT_FALSE(ini.isEmpty());
    const QByteArray code = longRoutine(20).toUtf8();
    const CliRun cancelled = runCli({QStringLiteral("connections"), QStringLiteral("--ini"), ini,
                                     QStringLiteral("--answer"), QStringLiteral("cancel"), QStringLiteral("-")},
                                    code);
    EXPECT_EQ(cancelled.status, 1);
    EXPECT_TRUE(cancelled.out.isEmpty()) << "no table of a chart that was not built";
    EXPECT_EQ(errorLines(cancelled), QStringList{QStringLiteral("vexoria-cli: the chart was not drawn")});

    const CliRun parts = runCli({QStringLiteral("connections"), QStringLiteral("--ini"), ini,
                                 QStringLiteral("--answer"), QStringLiteral("yes"), QStringLiteral("-")},
                                code);
    EXPECT_EQ(parts.status, 0) << qPrintable(parts.err);
    EXPECT_GT(parts.outText().count(u'\n'), 2);
}

TEST(ExitStatus, DrawFailsForAChartInPartsThatCannotBeCut)
{
    QTemporaryDir dir;
    const QString ini = lengthLimitIni(dir, "2000");
    ASSERT_FALSE(ini.isEmpty());
    // One loop around everything, about 3,500 pixels long: two parts are
    // asked for, and there is nowhere to cut.
    QString code = QStringLiteral("procedure P;\nbegin\nwhile a do\nbegin\n");
    for (int i = 0; i < 30; ++i) code += QStringLiteral("if b then\nbegin\nx := 1;\nend;\n");
    code += QStringLiteral("end;\nend;\n");
    const CliRun r = runCli({QStringLiteral("draw"), QStringLiteral("--ini"), ini, QStringLiteral("--answer"),
                             QStringLiteral("yes"), QStringLiteral("-")},
                            code.toUtf8());
    ASSERT_TRUE(r.err.contains(QStringLiteral("Не возможно разделить"))) << qPrintable(r.err);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("vexoria-cli: the chart was not drawn"))) << qPrintable(r.err);
}

} // namespace
} // namespace vexoria::test
