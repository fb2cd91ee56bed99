// The lean program (rows, draw and render to SVG on Qt's core library) says
// and writes exactly what the complete program does, and hands a command
// over to it when a text needs the face or a colour the desktop's palette.
#ifdef VEXORIA_CLI_LEAN
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

struct Said {
    int status = -1;
    QByteArray out;
    QByteArray err;
    QByteArray file;
};

Said run(const char* program, QStringList args, const QString& output = {}, const QString& theme = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!theme.isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), theme);
    p.setProcessEnvironment(env);
    if (!output.isEmpty()) {
        QFile::remove(output);
        args << QStringLiteral("-o") << output;
    }
    p.start(QString::fromUtf8(program), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    Said s{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
           p.readAllStandardError(), {}};
    QFile f(output);
    if (!output.isEmpty() && f.open(QIODevice::ReadOnly)) s.file = f.readAll();
    return s;
}

void expectSame(const QStringList& args, const QString& output = {}, const QString& theme = {})
{
    const Said lean = run(VEXORIA_CLI_LEAN, args, output, theme);
    const Said full = run(VEXORIA_CLI_FULL, args, output, theme);
    const QString what = args.join(u' ') + (theme.isEmpty() ? QString() : u' ' + theme);
    EXPECT_EQ(lean.status, full.status) << qPrintable(what);
    EXPECT_EQ(lean.out, full.out) << qPrintable(what);
    EXPECT_EQ(lean.err, full.err) << qPrintable(what);
    EXPECT_EQ(lean.file, full.file) << qPrintable(what);
}

TEST(LeanProgram, SaysAndWritesWhatTheCompleteProgramDoes)
{
    QTemporaryDir dir;
    // Texts the face must measure (the lean program hands these over), a
    // coloured chart, one with no code, a file that is not there.
    const QString odd = dir.filePath(QStringLiteral("odd.pas"));
    {
        QFile f(odd);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("procedure Odd;\nbegin\n  if a then s := '\xe6\x97\xa5\xe6\x9c\xac' else s := '\xf0\x9f\x98\x80';\n"
                "  while c do c := c - 1;\nend;\n");
    }
    const QString empty = dir.filePath(QStringLiteral("empty.pas"));
    {
        QFile f(empty);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("procedure Empty;\nbegin\nend;\n");
    }
    QStringList routines{odd, empty, dir.filePath(QStringLiteral("missing.pas"))};
    for (const char* folder : {VEXORIA_SOURCE_DIR "/examples", VEXORIA_TEST_DATA "/flow"}) {
        QDirIterator it(QString::fromUtf8(folder), {QStringLiteral("*.pas")}, QDir::Files);
        while (it.hasNext()) routines << it.next();
    }
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    for (const QString& r : routines) {
        expectSame({QStringLiteral("rows"), r});
        expectSame({QStringLiteral("draw"), r});
        expectSame({QStringLiteral("render"), r}, svg);
    }
    // The desktop's colours when a platform theme of its own is asked for.
    expectSame({QStringLiteral("render"), routines.last()}, svg, QStringLiteral("none"));
    // Usage errors.
    expectSame({QStringLiteral("rows")});
    expectSame({QStringLiteral("render"), routines.last(), QStringLiteral("--answer"), QStringLiteral("maybe")}, svg);
}

// A warning comes before the table on one stream as on two, as the complete
// program prints it.
TEST(LeanProgram, PrintsBothStreamsInTheOrderTheCompleteProgramDoes)
{
    QTemporaryDir dir;
    // A file with no code at all is warned about before the table.
    const QString empty = dir.filePath(QStringLiteral("empty.pas"));
    {
        QFile f(empty);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    for (const char* command : {"rows", "draw"}) {
        QByteArray merged[2];
        int k = 0;
        for (const char* program : {VEXORIA_CLI_LEAN, VEXORIA_CLI_FULL}) {
            QProcess p;
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(QString::fromUtf8(program), {QString::fromUtf8(command), empty});
            ASSERT_TRUE(p.waitForFinished(60000));
            merged[k++] = p.readAll();
        }
        ASSERT_TRUE(merged[1].startsWith("vexoria-cli: warning")) << merged[1].constData();
        EXPECT_EQ(merged[0], merged[1]) << command;
    }
}

TEST(LeanProgram, NeedsNoQtGuiLibrary)
{
    QProcess p;
    p.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral(VEXORIA_CLI_LEAN)});
    if (!p.waitForStarted()) GTEST_SKIP() << "no readelf";
    ASSERT_TRUE(p.waitForFinished());
    const QByteArray dynamic = p.readAllStandardOutput();
    ASSERT_TRUE(dynamic.contains("libQt6Core")) << dynamic.constData();
    EXPECT_FALSE(dynamic.contains("libQt6Gui")) << dynamic.constData();
}

} // namespace
} // namespace vexoria::test
#endif
