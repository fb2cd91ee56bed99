// Whole builds of sample routines against their connection dumps, checked by
// hand against the routing rules when they were made.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "connect/TstrelkaDump.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/core/TextCodec.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

namespace vexoria::test {
namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

TEST(GoldenConnections, SampleRoutinesGiveTheirDumps)
{
    const QDir dir(QStringLiteral(VEXORIA_TEST_DATA "/connect"));
    const QStringList sources = dir.entryList({QStringLiteral("*.pas")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(sources.isEmpty());
    for (const QString& name : sources) {
        SCOPED_TRACE(name.toStdString());
        const QString base = dir.filePath(name.chopped(4));
        Workspace ws;
        ScriptedPrompter prompter;
        ws.prompter = &prompter;
        ws.codeText = toCrLf(decodeCodeText(readAll(base + ".pas")));
        classifyCode(ws);
        EXPECT_TRUE(drawChart(ws));
        const QString expected = QString::fromUtf8(readAll(base + ".conn"));
        EXPECT_EQ(dumpTstrelka(ws.tstrelka), expected);
    }
}

} // namespace
} // namespace vexoria::test
