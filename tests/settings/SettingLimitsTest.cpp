// The range of every numeric setting: the factory values and both ends of
// each range give a chart; any other value is refused with a message that
// names the key, the file, the value (cut) and the range.
#include <gtest/gtest.h>

#include <climits>

#include <QFile>

#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/text/ConversionError.h"
#include "platform/settings/SettingLimits.h"
#include "platform/text/TextCodec.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

namespace vexoria::test {
namespace {

QString routine()
{
    QFile f(QStringLiteral(VEXORIA_SOURCE_DIR "/examples/binary_search.pas"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    // A line far wider than any limit, so that every text kind is broken.
    return classifierText(
        QString::fromUtf8(f.readAll())
            .replace(QStringLiteral("begin"), QStringLiteral("begin\nwriteln('%1');").arg(QString(150, u'W'))));
}

TEST(SettingLimits, FactoryValuesAndBothEndsOfEveryRangeGiveAChart)
{
    const Settings factory;
    for (const NumericSetting& s : numericSettings())
        EXPECT_TRUE(settingProblem(s, factory.*(s.text), QStringLiteral("shema.ini")).isEmpty()) << s.key;

    for (const bool atMax : {false, true}) {
        Workspace ws;
        ScriptedPrompter prompter;
        ws.prompter = &prompter;
        for (const NumericSetting& s : numericSettings())
            ws.settings.*(s.text) = QString::number(atMax || s.text == &Settings::maxChartLength ? s.max : s.min);
        ws.codeText = routine();
        classifyCode(ws);
        EXPECT_TRUE(drawChart(ws)) << (atMax ? "max" : "min");
        EXPECT_TRUE(ws.diagram.hasPicture());
        EXPECT_GT(ws.connections.size(), 5);
    }

    // The shortest limit refuses a chart of many parts instead of drawing it.
    Workspace ws;
    ScriptedPrompter prompter;
    ws.prompter = &prompter;
    ws.settings.maxChartLength = QString::number(numericSetting("edlin").min);
    ws.codeText = routine();
    classifyCode(ws);
    EXPECT_FALSE(drawChart(ws));
    EXPECT_EQ(prompter.messages().size(), 1);
}

TEST(SettingLimits, AValueNoChartCanUseIsNamedWithItsKeyFileAndRange)
{
    const QString megabyte(1 << 20, u'9');
    const QString values[] = {QStringLiteral("0"), QStringLiteral("-1"), QString::number(INT_MIN),
                              QString::number(INT_MAX), megabyte};
    for (const NumericSetting& s : numericSettings()) {
        const QString range = QStringLiteral(" is out of range %1…%2").arg(s.min).arg(s.max);
        const QString head = QStringLiteral("shema.ini: %1 = ").arg(QLatin1String(s.key));
        for (const QString& v : values) {
            const QString shown = v.size() > 40 ? v.left(40) + QStringLiteral("…") : v;
            EXPECT_EQ(settingProblem(s, v, QStringLiteral("shema.ini")), head + shown + range);
        }
        EXPECT_EQ(settingProblem(s, QStringLiteral("abc"), QStringLiteral("shema.ini")),
                  head + QStringLiteral("\"abc\" — не целое число"));
        EXPECT_EQ(settingProblem(s, QString(1 << 20, u'x'), QStringLiteral("shema.ini")),
                  head + u'"' + QString(40, u'x') + QStringLiteral("…\" — не целое число"));
    }
}

TEST(SettingLimits, TheBuildStopsBeforeItChangesAnything)
{
    Workspace ws;
    ScriptedPrompter prompter;
    ws.prompter = &prompter;
    ws.codeText = routine();
    classifyCode(ws);
    const std::vector<StatementRow> classified = ws.statements.rows();
    ws.settings.laneSpacing = QStringLiteral("2147483647");
    try {
        drawChart(ws);
        ADD_FAILURE() << "the build went on";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("shema.ini: esoed = 2147483647 is out of range 1…100"));
    }
    EXPECT_FALSE(ws.diagram.hasPicture());
    ASSERT_EQ(ws.statements.size(), static_cast<int>(classified.size()));
    for (int i = 0; i < ws.statements.size(); ++i)
        EXPECT_EQ(ws.statements.at(i).y, classified[static_cast<std::size_t>(i)].y);
    EXPECT_EQ(ws.connections.size(), 0);
}

} // namespace
} // namespace vexoria::test
