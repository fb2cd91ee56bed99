// The man page of vexoria-cli names every command and every option that the
// program's own help describes, so that the two cannot drift apart.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace vexoria::test {
namespace {

QString help(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(VEXORIA_CLI), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ManPage, NamesEveryCommandAndOption)
{
    QFile f(QStringLiteral(VEXORIA_SOURCE_DIR "/data/vexoria-cli.1"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(f.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));

    const QString general = help({QStringLiteral("--help")});
    const QString commandList = general.section(QStringLiteral("Commands:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    QStringList commands;
    for (const QString& line : commandList.split(u'\n', Qt::SkipEmptyParts))
        commands << line.trimmed().section(u' ', 0, 0);
    ASSERT_GE(commands.size(), 5);
    EXPECT_TRUE(page.contains(QStringLiteral("--version")));

    const QRegularExpression option(QStringLiteral("^  (-{1,2}[a-z-]+)"), QRegularExpression::MultilineOption);
    for (const QString& command : commands) {
        EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(command)))) << qPrintable(command);
        auto it = option.globalMatch(help({command, QStringLiteral("--help")}));
        while (it.hasNext()) {
            const QString name = it.next().captured(1);
            EXPECT_TRUE(page.contains(name)) << qPrintable(command) << ' ' << qPrintable(name);
        }
    }
}

} // namespace
} // namespace vexoria::test
