// What vexoria-cli reads: its arguments, strictly; the code file as the
// window's editor holds it; and the settings of --ini, each within its range.
#include <gtest/gtest.h>

#include <climits>

#include <QFile>
#include <QTemporaryDir>

#include "support/CliRun.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

const QString kRoutine = QStringLiteral(VEXORIA_SOURCE_DIR "/examples/day_name.pas");

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

TEST(Arguments, AnythingNotUnderstoodIsAUsageError)
{
    const QString r = kRoutine;
    const QString o = QStringLiteral("-o");
    const QString png = QStringLiteral("/nonexistent/x.png");
    const QStringList cases[] = {
        {"render", r, "--ansewr", "yes", o, png},   // unknown option
        {"render", r, r, o, png},                   // a second FILE
        {"render", r, o},                           // a value missing
        {"render", r, "--answer", "maybe", o, png}, // a value not allowed
        {"render", r, "--answer", "yes", "--answer", "no", o, png},
        {"render", r}, // no -o
        {"rows", "--stage", "sizing", r},
        {"rows"},                          // no FILE
        {"measure", "--ini", "shema.ini"}, // an option of another command
        {"paint", r},                      // no such command
    };
    for (const QStringList& args : cases) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2) << qPrintable(args.join(u' '));
        EXPECT_TRUE(run.out.isEmpty()) << qPrintable(args.join(u' '));
        EXPECT_TRUE(run.err.contains(QStringLiteral("vexoria-cli"))) << qPrintable(run.err);
    }
}

// A routine saved as "Unicode" by a Windows editor, or without a line break
// after its last line, gives the rows the same routine gives in UTF-8.
TEST(CodeFiles, Utf16AndAMissingLastLineBreakReadAsTheEditorHoldsThem)
{
    const QString text = QStringLiteral("procedure P;\r\nbegin\r\n  s := 'Привет';\r\nend;\r\n");
    QTemporaryDir dir;
    const CliRun utf8 = runCli({QStringLiteral("rows"), writeFile(dir, "utf8.pas", text.toUtf8())});
    ASSERT_EQ(utf8.status, 0);
    ASSERT_GT(utf8.outText().count(u'\n'), 4);
    QByteArray le("\xFF\xFE", 2);
    QByteArray be("\xFE\xFF", 2);
    for (QChar c : text) {
        le.append(static_cast<char>(c.unicode() & 0xFF)).append(static_cast<char>(c.unicode() >> 8));
        be.append(static_cast<char>(c.unicode() >> 8)).append(static_cast<char>(c.unicode() & 0xFF));
    }
    EXPECT_EQ(runCli({QStringLiteral("rows"), writeFile(dir, "le.pas", le)}).out, utf8.out);
    EXPECT_EQ(runCli({QStringLiteral("rows"), writeFile(dir, "be.pas", be)}).out, utf8.out);
    QByteArray unterminated = text.toUtf8();
    unterminated.chop(2);
    EXPECT_EQ(runCli({QStringLiteral("rows"), QStringLiteral("-")}, unterminated).out, utf8.out);

    const CliRun oneLine = runCli({QStringLiteral("rows"), QStringLiteral("-")}, "begin x := 1; end;");
    EXPECT_TRUE(oneLine.outText().contains(QStringLiteral("\tx := 1; end;\t"))) << qPrintable(oneLine.outText());
}

// Nothing to draw still gives the chart the rules give: its end block.
TEST(CodeFiles, ARoutineWithoutCodeIsDrawnWithOneWarning)
{
    QTemporaryDir dir;
    // Junk bytes or a tab are no such input: junk decodes (as Windows-1251)
    // to text, a tab is no blank to the classifier, and every line that is
    // more than blanks reaches the chart.
    const QByteArray inputs[] = {QByteArray(), QByteArray("  \n\n  "), QByteArray("\xef\xbb\xbf\r\n", 5),
                                 QByteArray("\xff\xfe", 2)};
    for (const QByteArray& input : inputs) {
        const QString file = writeFile(dir, "empty.pas", input);
        const QString out = dir.filePath(QStringLiteral("empty.png"));
        const CliRun r = runCli({QStringLiteral("render"), file, QStringLiteral("-o"), out});
        EXPECT_EQ(r.status, 0);
        const QStringList lines = errorLines(r);
        ASSERT_EQ(lines.size(), 1) << qPrintable(r.err);
        EXPECT_TRUE(lines[0].startsWith(QStringLiteral("vexoria-cli: warning: "))) << qPrintable(lines[0]);
        EXPECT_TRUE(QFile::exists(out));
        QFile::remove(out);
    }
    EXPECT_TRUE(errorLines(runCli({QStringLiteral("rows"), kRoutine})).isEmpty());
}

// Every setting a build reads, at values no chart can use: the build stops
// before anything is written, with one line naming the key, the file, the
// value (cut) and the range.
TEST(Settings, AValueOutOfRangeStopsTheBuildWithOneLine)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.png"));
    const QByteArray megabyte(1 << 20, '7');
    const QByteArray values[] = {"0", "-1", QByteArray::number(INT_MIN), QByteArray::number(INT_MAX), "abc", megabyte};
    for (const char* key : {"evar", "eif", "efor", "ewhile", "eelse", "ebeg", "edlin", "esoed"}) {
        for (const QByteArray& value : values) {
            const QString ini = writeFile(dir, "shema.ini", "[myform]\r\n" + QByteArray(key) + '=' + value + "\r\n");
            const CliRun r =
                runCli({QStringLiteral("render"), kRoutine, QStringLiteral("--ini"), ini, QStringLiteral("-o"), out});
            const QString what = QStringLiteral("%1=%2").arg(QLatin1String(key), QString::fromLatin1(value.left(20)));
            EXPECT_EQ(r.status, 1) << qPrintable(what);
            EXPECT_FALSE(QFile::exists(out)) << qPrintable(what);
            const QStringList lines = errorLines(r);
            ASSERT_EQ(lines.size(), 1) << qPrintable(what) << qPrintable(r.err);
            EXPECT_TRUE(lines[0].startsWith(QStringLiteral("vexoria-cli: %1: %2 = ").arg(ini, QLatin1String(key))))
                << qPrintable(lines[0]);
            EXPECT_LT(lines[0].size(), 200) << qPrintable(what);
        }
    }
    const QString ini = writeFile(dir, "shema.ini", "[myform]\r\neif=-2147483648\r\n");
    const CliRun r =
        runCli({QStringLiteral("render"), kRoutine, QStringLiteral("--ini"), ini, QStringLiteral("-o"), out});
    EXPECT_EQ(errorLines(r),
              QStringList{QStringLiteral("vexoria-cli: %1: eif = -2147483648 is out of range 20…2000").arg(ini)});
}

} // namespace
} // namespace vexoria::test
