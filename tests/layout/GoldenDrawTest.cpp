// Golden drawings: routines from tests/data/layout classified, sized and
// drawn block by block (connections left out) on a recording canvas of 5
// pixels a character, compared line by line with NAME.draw. Set
// VEXORIA_UPDATE_GOLDEN=1 to rewrite the files after checking a change.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ChartBuilder.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Pipeline.h"
#include "platform/text/TextCodec.h"

namespace vexoria::test {
namespace {

QString dataPath(const QString& name) { return QStringLiteral(VEXORIA_TEST_DATA "/layout/") + name; }

QStringList drawBlocks(const QString& pasName)
{
    ChartBuilder c;
    QFile f(dataPath(pasName));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(pasName);
    c.ws.codeText = toCrLf(decodeCodeText(f.readAll()));
    classifyCode(c.ws);
    c.size();
    c.draw();
    return c.lines();
}

void compareWithGolden(const QString& name)
{
    const QStringList lines = drawBlocks(name + QStringLiteral(".pas"));
    const QString goldenPath = dataPath(name + QStringLiteral(".draw"));
    if (qEnvironmentVariableIntValue("VEXORIA_UPDATE_GOLDEN") == 1) {
        QFile out(goldenPath);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write((lines.join(u'\n') + u'\n').toUtf8());
        return;
    }
    QFile in(goldenPath);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << qPrintable(goldenPath);
    QStringList expected = QString::fromUtf8(in.readAll()).split(u'\n');
    if (!expected.isEmpty() && expected.last().isEmpty()) expected.removeLast();
    for (int i = 0; i < std::max(lines.size(), expected.size()); ++i)
        ASSERT_EQ(lines.value(i), expected.value(i)) << qPrintable(name) << ".draw line " << i + 1;
}

TEST(GoldenDraw, Loops) { compareWithGolden(QStringLiteral("loops")); }
TEST(GoldenDraw, Branches) { compareWithGolden(QStringLiteral("branches")); }

} // namespace
} // namespace vexoria::test
