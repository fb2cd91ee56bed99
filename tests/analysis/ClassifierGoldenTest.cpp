// Golden tables: every tests/data/analysis/NAME.pas is classified and its
// table compared with NAME.rows (the classifier's table) and NAME.check.rows
// (after the structure check). The expected tables were worked out by hand
// from the classifier's rules, not copied from its output.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "tables/StatementTableDump.h"
#include "pipeline/Pipeline.h"
#include "analysis/StructureCheck.h"
#include "pipeline/Workspace.h"
#include "platform/text/TextCodec.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

using namespace vexoria;

namespace {

const QString kDataDir = QStringLiteral(VEXORIA_TEST_DATA "/analysis");

QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

QString classifyDump(const QString& code, bool check)
{
    Workspace ws;
    test::ScriptedPrompter prompter;
    ws.prompter = &prompter;
    ws.codeText = code;
    classifyCode(ws);
    StatementDumpExtras extras;
    if (!ws.reportTitle.isEmpty()) extras.title = ws.reportTitle;
    if (check) {
        ws.statements.sortBy([](const StatementRow& r) { return r.drawOrder; });
        extras.blockCount = checkStructure(ws.statements, ws.prompter);
        if (!prompter.messages().isEmpty()) extras.warning = prompter.messages().first();
    }
    return dumpStatementTable(ws.statements, extras);
}

// Line by line, so a failure names the first row that differs.
void expectSameDump(const QString& expected, const QString& actual, const QString& what)
{
    const QStringList e = expected.split(u'\n');
    const QStringList a = actual.split(u'\n');
    for (int i = 0; i < std::min(e.size(), a.size()); ++i) {
        if (e[i] != a[i]) {
            ADD_FAILURE() << what.toStdString() << ": line " << i + 1 << " differs\n  expected: " << e[i].toStdString()
                          << "\n  actual:   " << a[i].toStdString();
            return;
        }
    }
    EXPECT_EQ(e.size(), a.size()) << what.toStdString() << ": number of lines differs";
}

} // namespace

// The tables of tests/data/analysis were derived by hand; those of the
// textbook routines in tests/data/flow were each checked against the flow
// checker's reading of the code when they were made.
TEST(ClassifierGolden, EveryRoutineMatchesItsHandDerivedTable)
{
    int compared = 0;
    for (const QString& folder : {kDataDir, QStringLiteral(VEXORIA_TEST_DATA "/flow")}) {
        const QDir dir(folder);
        const QStringList inputs = dir.entryList({QStringLiteral("*.pas")}, QDir::Files, QDir::Name);
        ASSERT_FALSE(inputs.isEmpty()) << "no golden inputs in " << folder.toStdString();
        for (const QString& name : inputs) {
            const QString base = dir.filePath(name.chopped(4));
            QFile in(dir.filePath(name));
            ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << name.toStdString();
            const QString code = toCrLf(decodeCodeText(in.readAll()));
            if (QFile::exists(base + QStringLiteral(".rows"))) {
                expectSameDump(readText(base + QStringLiteral(".rows")), classifyDump(code, false), name);
                ++compared;
            }
            if (QFile::exists(base + QStringLiteral(".check.rows"))) {
                expectSameDump(readText(base + QStringLiteral(".check.rows")), classifyDump(code, true),
                               name + QStringLiteral(" (check)"));
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 0);
}
