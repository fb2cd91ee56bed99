// A chart starts without the GUI application, which starts only when a text
// needs the face: its texts are drawn from the glyphs taken at build time.
// The pictures are those this process draws with the font engine, pixel for
// pixel, and render --all, in its worker processes, writes the same bytes as
// render of one routine.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QProcess>
#include <QTemporaryDir>

#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/prompts/Prompter.h"
#include "platform/text/TextCodec.h"
#include "source/TextFile.h"
#include "support/CliRun.h"

namespace vexoria::test {
namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A routine of many coloured constructs (the last colours of the palette are
// the desktop scheme's), one with texts the width table leaves to the face,
// and one of both.
const char kUnit[] = "unit Late;\ninterface\nimplementation\n"
                     "procedure Many;\nbegin\n"
                     "  if a then b := 1;\n  while c do c := c - 1;\n  for i := 1 to 9 do s := s + i;\n"
                     "  if a then b := 1;\n  while c do c := c - 1;\n  for i := 1 to 9 do s := s + i;\n"
                     "  if a then b := 1;\n  while c do c := c - 1;\n  for i := 1 to 9 do s := s + i;\n"
                     "  if a then b := 1;\n  while c do c := c - 1;\n  for i := 1 to 9 do s := s + i;\n"
                     "  if a then b := 1;\n  while c do c := c - 1;\n  for i := 1 to 9 do s := s + i;\n"
                     "  if a then b := 1;\n  while c do c := c - 1;\n  for i := 1 to 9 do s := s + i;\nend;\n"
                     "procedure Wide;\nbegin\n  s := '\xe6\x97\xa5\xe6\x9c\xac';\n  t := '\xf0\x9f\x98\x80';\nend;\n"
                     "procedure Both;\nbegin\n  if a then s := '\xe6\x97\xa5';\n  while c do c := c - 1;\n"
                     "  for i := 1 to 9 do s := s + i;\n  if a then b := 1;\n  while c do c := c - 1;\n"
                     "  for i := 1 to 9 do s := s + i;\n  if a then b := 1;\n  while c do c := c - 1;\nend;\n"
                     "procedure Plain;\nbegin\n  if a > 0 then s := '\xd0\x96\xd1\x91' else s := '';\n"
                     "  while c do c := c - 1;\nend;\n"
                     "procedure Long;\nbegin\n  s := '\xe6\x97\xa5';\n";

// The unit, with Long long enough to be drawn on threads as a PNG or BMP.
QByteArray unitText()
{
    QByteArray text = kUnit;
    for (int i = 0; i < 300; ++i) text += "  a := a + " + QByteArray::number(i) + ";\n";
    return text + "end;\nend.\n";
}

// Renders one routine; a platform plug-in, when one is loaded, says so on
// standard error with `tellPlugins`, which makes the render fail.
QByteArray renderOne(const QString& unit, const QString& name, const QString& out, const QString& theme = {},
                     bool tellPlugins = false)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (tellPlugins) env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.core.plugin.*=true"));
    if (!theme.isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), theme);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VEXORIA_CLI),
            {QStringLiteral("render"), unit, QStringLiteral("--routine"), name, QStringLiteral("-o"), out});
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << qPrintable(QString::fromUtf8(p.readAllStandardError()));
    EXPECT_TRUE(p.readAllStandardError().isEmpty()) << qPrintable(name);
    return readFile(out);
}

QString writeUnit(const QTemporaryDir& dir)
{
    const QString unit = dir.filePath(QStringLiteral("late.pas"));
    QFile f(unit);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(unitText());
    return unit;
}

class AnswerNo : public Prompter {
public:
    void message(const QString&) override {}
    Answer question(const QString&, const QString&, Buttons, Icon) override { return Answer::No; }
};

// The examples, the flow cases and a routine of Cyrillic text and colours,
// drawn here, where the texts are written by the font engine, and by the
// command line, which writes them from its glyphs.
TEST(LateGui, PicturesAreThoseTheFontEngineDraws)
{
    QTemporaryDir dir;
    QStringList routines;
    for (const char* folder : {VEXORIA_SOURCE_DIR "/examples", VEXORIA_TEST_DATA "/flow"}) {
        QDirIterator it(QString::fromUtf8(folder), {QStringLiteral("*.pas")}, QDir::Files);
        while (it.hasNext()) routines << it.next();
    }
    const QString cyrillic = dir.filePath(QStringLiteral("cyrillic.pas"));
    {
        QFile f(cyrillic);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("procedure \xd0\x9f\xd1\x80\xd0\xbe\xd0\xb1\xd0\xb0;\n{ \xd0\xa1\xd1\x87\xd1\x91\xd1\x82 }\nbegin\n"
                "  if \xd0\xb0 > 0 then s := '\xd0\x81\xd0\xb6\xd0\xb8\xd0\xba \xe2\x84\x96 \xc2\xab\xc2\xbb'\n"
                "  else while b do b := b - 1;\n  for i := 1 to 9 do s := s + '\xd0\xaa';\nend;\n");
    }
    routines << cyrillic;
    ASSERT_GT(routines.size(), 10);
    AnswerNo no;
    for (const QString& path : routines) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        Workspace ws;
        ws.prompter = &no;
        ws.codeText = toCrLf(decodeCodeText(f.readAll()));
        classifyCode(ws);
        drawChart(ws);
        ASSERT_TRUE(ws.diagram.hasPicture()) << qPrintable(path);
        const QString out = dir.filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".png"));
        const CliRun r = runCli({QStringLiteral("render"), path, QStringLiteral("--answer"), QStringLiteral("no"),
                                 QStringLiteral("-o"), out});
        ASSERT_EQ(r.status, 0) << qPrintable(r.err);
        const QImage written(out);
        EXPECT_TRUE(written.convertToFormat(QImage::Format_RGB32) == ws.diagram.image()) << qPrintable(path);
    }
}

TEST(LateGui, AChartIsTheSameWhenTheApplicationStartsLateOrNever)
{
    QTemporaryDir dir;
    const QString unit = writeUnit(dir);
    for (const QString format : {"svg", "png", "bmp", "jpg"}) {
        const QString all = dir.filePath(QStringLiteral("all-") + format);
        const CliRun r = runCli({QStringLiteral("render"), unit, QStringLiteral("--all"), QStringLiteral("--format"),
                                 format, QStringLiteral("-o"), all});
        ASSERT_EQ(r.status, 0) << qPrintable(r.err);
        for (const QString name : {"Many", "Wide", "Both", "Plain", "Long"}) {
            const QString file = name + u'.' + format;
            const QByteArray eager = readFile(QDir(all).filePath(file));
            ASSERT_FALSE(eager.isEmpty()) << qPrintable(file);
            EXPECT_EQ(renderOne(unit, name, dir.filePath(file)), eager) << qPrintable(file);
            // A platform theme of its own: the scheme's colours are the
            // started application's, whatever the build saw.
            EXPECT_EQ(renderOne(unit, name, dir.filePath(QStringLiteral("t-") + file), QStringLiteral("none")), eager)
                << qPrintable(file);
        }
    }
    // The coloured chart does reach the scheme's colours.
    const QByteArray highlight =
        QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight).name().toUtf8();
    EXPECT_TRUE(readFile(QDir(dir.filePath(QStringLiteral("all-svg"))).filePath(QStringLiteral("Many.svg")))
                    .contains(highlight))
        << highlight.data();
}

// A chart whose texts are all in the glyph table is drawn without loading
// the platform plug-in, that is without the GUI application; one text out
// of the table loads it.
TEST(LateGui, APictureOfKnownCharactersIsDrawnWithoutTheApplication)
{
    QTemporaryDir dir;
    const QString unit = writeUnit(dir);
    for (const QString file : {"Plain.png", "Plain.bmp", "Plain.jpg", "Plain.svg"})
        EXPECT_FALSE(renderOne(unit, QStringLiteral("Plain"), dir.filePath(file), {}, true).isEmpty())
            << qPrintable(file);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.core.plugin.*=true"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VEXORIA_CLI), {QStringLiteral("render"), unit, QStringLiteral("--routine"),
                                          QStringLiteral("Wide"), QStringLiteral("-o"), dir.filePath("Wide.png")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardError().contains("platforms"));
}

} // namespace
} // namespace vexoria::test
