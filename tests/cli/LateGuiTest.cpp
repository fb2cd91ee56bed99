// A chart written as SVG starts without the GUI application, which starts
// only when a text needs the face; the chart is byte for byte the one drawn
// with the application started at once (render --all starts it at once).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QProcess>
#include <QTemporaryDir>

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
                     "  for i := 1 to 9 do s := s + i;\n  if a then b := 1;\n  while c do c := c - 1;\nend;\nend.\n";

QByteArray renderOne(const QString& unit, const QString& name, const QString& out, const QString& theme = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!theme.isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), theme);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VEXORIA_CLI),
            {QStringLiteral("render"), unit, QStringLiteral("--routine"), name, QStringLiteral("-o"), out});
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << qPrintable(QString::fromUtf8(p.readAllStandardError()));
    EXPECT_TRUE(p.readAllStandardError().isEmpty()) << qPrintable(name);
    return readFile(out);
}

TEST(LateGui, ASvgChartIsTheSameWhenTheApplicationStartsLateOrNever)
{
    QTemporaryDir dir;
    const QString unit = dir.filePath(QStringLiteral("late.pas"));
    {
        QFile f(unit);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kUnit);
    }
    const QString all = dir.filePath(QStringLiteral("all"));
    const CliRun r = runCli({QStringLiteral("render"), unit, QStringLiteral("--all"), QStringLiteral("--format"),
                             QStringLiteral("svg"), QStringLiteral("-o"), all});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    for (const QString name : {"Many", "Wide", "Both"}) {
        const QByteArray eager = readFile(QDir(all).filePath(name + ".svg"));
        ASSERT_FALSE(eager.isEmpty()) << qPrintable(name);
        EXPECT_EQ(renderOne(unit, name, dir.filePath(name + ".svg")), eager) << qPrintable(name);
        // A platform theme of its own: the scheme's colours are the started
        // application's, whatever the build saw.
        EXPECT_EQ(renderOne(unit, name, dir.filePath(name + "-t.svg"), QStringLiteral("none")), eager)
            << qPrintable(name);
    }
    // The coloured chart does reach the scheme's colours.
    const QByteArray highlight =
        QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight).name().toUtf8();
    EXPECT_TRUE(readFile(QDir(all).filePath(QStringLiteral("Many.svg"))).contains(highlight)) << highlight.data();
}

} // namespace
} // namespace vexoria::test
