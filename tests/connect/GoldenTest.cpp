// Whole builds of sample routines against their connection dumps, checked by
// hand against the routing rules when they were made.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "tables/ConnectionTableDump.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/text/TextCodec.h"
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

// The routines of tests/data/connect, and those textbook routines of
// tests/data/flow that have a connection dump beside them.
TEST(GoldenConnections, SampleRoutinesGiveTheirDumps)
{
    int compared = 0;
    for (const char* folder : {VEXORIA_TEST_DATA "/connect", VEXORIA_TEST_DATA "/flow"}) {
        const QDir dir(QString::fromUtf8(folder));
        const QStringList sources = dir.entryList({QStringLiteral("*.pas")}, QDir::Files, QDir::Name);
        ASSERT_FALSE(sources.isEmpty());
        for (const QString& name : sources) {
            const QString base = dir.filePath(name.chopped(4));
            if (!QFile::exists(base + ".conn")) continue;
            SCOPED_TRACE(name.toStdString());
            Workspace ws;
            ScriptedPrompter prompter;
            ws.prompter = &prompter;
            ws.codeText = toCrLf(decodeCodeText(readAll(base + ".pas")));
            classifyCode(ws);
            EXPECT_TRUE(drawChart(ws));
            const QString expected = QString::fromUtf8(readAll(base + ".conn"));
            EXPECT_EQ(dumpConnectionTable(ws.connections), expected);
            ++compared;
        }
    }
    EXPECT_GT(compared, 6);
}

} // namespace
} // namespace vexoria::test
