// The structure check on hand-made tables: pairing of closing rows, until and
// repeat, the warning for surplus closing rows and the depth limit.
#include <gtest/gtest.h>

#include "analysis/Classify.h"
#include "analysis/StructureCheck.h"
#include "pipeline/Workspace.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

using namespace vexoria;

namespace {

const QString kWarning = QStringLiteral("Предупреждение !Возможна ошибка\rв блоке разбора синтаксиса");

// Rows from kinds in nom order; "" makes a text row.
void fill(Workspace& ws, const std::vector<const char*>& kinds)
{
    ws.statements.open();
    ws.statements.clear();
    int drawOrder = 1;
    for (const char* kind : kinds) {
        StatementRow r;
        r.n = drawOrder;
        r.drawOrder = drawOrder;
        const QString k = QString::fromUtf8(kind);
        if (k == u"end") {
            r.kind = "end";
            r.opensBlock = false;
        } else if (!k.isEmpty()) {
            r.kind = k;
            r.opensBlock = true;
        }
        ws.statements.append(r);
        ++drawOrder;
    }
}

const StatementRow& byDrawOrder(const Workspace& ws, int drawOrder)
{
    for (const StatementRow& r : ws.statements.rows())
        if (val(r.drawOrder) == drawOrder) return r;
    static StatementRow none;
    ADD_FAILURE() << "no row with nom " << drawOrder;
    return none;
}

} // namespace

TEST(StructureCheck, ClosingRowsPairWithTheConstructsTheyClose)
{
    Workspace ws;
    test::ScriptedPrompter p;
    ws.prompter = &p;
    // while c do begin x; end;   then   if c then x else y;
    fill(ws,
         {"header", "while", "begin", "", "end", "if", "begin", "", "end", "else", "begin", "", "end", "end shema"});
    ws.blockCount = checkStructure(ws.statements, ws.prompter);
    EXPECT_EQ(ws.blockCount, 11);
    EXPECT_EQ(byDrawOrder(ws, 5).closedKind.str(), "while");
    EXPECT_EQ(val(byDrawOrder(ws, 5).link), 2);
    EXPECT_EQ(byDrawOrder(ws, 9).closedKind.str(), "if");
    EXPECT_EQ(val(byDrawOrder(ws, 9).link), 6);
    EXPECT_EQ(byDrawOrder(ws, 13).closedKind.str(), "else");
    EXPECT_EQ(val(byDrawOrder(ws, 13).link), 10);
    EXPECT_FALSE(byDrawOrder(ws, 4).kindIndex.has_value());
    EXPECT_EQ(val(byDrawOrder(ws, 14).kindIndex), 10);
    // Left sorted on filtr: the text rows first.
    EXPECT_FALSE(ws.statements.at(0).kindIndex.has_value());
    EXPECT_EQ(val(ws.statements.at(ws.statements.size() - 1).kindIndex), 10);
    EXPECT_TRUE(p.messages().isEmpty());
}

TEST(StructureCheck, RepeatsNestAndEachUntilClosesItsOwn)
{
    Workspace ws;
    fill(ws, {"repeat", "repeat", "", "until", "until", "until", "end shema"});
    ws.blockCount = checkStructure(ws.statements, ws.prompter);
    EXPECT_EQ(byDrawOrder(ws, 4).closedKind.str(), "repeat");
    EXPECT_EQ(val(byDrawOrder(ws, 4).link), 2);
    // The outer until closes the outer repeat, not nothing.
    EXPECT_EQ(byDrawOrder(ws, 5).closedKind.str(), "repeat");
    EXPECT_EQ(val(byDrawOrder(ws, 5).link), 1);
    // An until with no repeat open has none.
    EXPECT_EQ(val(byDrawOrder(ws, 6).link), 0);
}

TEST(StructureCheck, FourthSurplusClosingWarnsOnceAndStops)
{
    Workspace ws;
    test::ScriptedPrompter p;
    ws.prompter = &p;
    fill(ws, {"if", "end", "end", "end", "end", "end", "if", "end", "end shema"});
    ws.blockCount = checkStructure(ws.statements, ws.prompter);
    ASSERT_EQ(p.messages().size(), 1);
    EXPECT_EQ(p.messages()[0], kWarning);
    // The depth reaches -4 at nom 6; the rows after the warning keep nothing.
    EXPECT_EQ(byDrawOrder(ws, 2).closedKind.str(), "if");
    EXPECT_FALSE(byDrawOrder(ws, 8).closedKind.isSet());
    EXPECT_EQ(ws.blockCount, 9);
}

TEST(StructureCheck, ThreeSurplusClosingsAreSilent)
{
    Workspace ws;
    test::ScriptedPrompter p;
    ws.prompter = &p;
    fill(ws, {"end", "end", "end", "end shema"});
    ws.blockCount = checkStructure(ws.statements, ws.prompter);
    EXPECT_TRUE(p.messages().isEmpty());
    for (const StatementRow& r : ws.statements.rows()) EXPECT_FALSE(r.closedKind.isSet());
}

TEST(StructureCheck, NestingDeeperThanTheStackNeverWritesPastIt)
{
    Workspace ws;
    std::vector<const char*> kinds;
    for (int i = 0; i < 200; ++i) kinds.push_back("if");
    for (int i = 0; i < 200; ++i) kinds.push_back("end");
    kinds.push_back("end shema");
    fill(ws, kinds);
    ws.blockCount = checkStructure(ws.statements, ws.prompter);
    // The closing row at depth d (d = 200 .. 1) is the (201 - d)th one.
    for (int depth = 1; depth <= 200; ++depth) {
        const StatementRow& closing = byDrawOrder(ws, 200 + (201 - depth));
        if (depth <= 101) {
            EXPECT_EQ(val(closing.link), depth) << "depth " << depth;
            EXPECT_EQ(closing.closedKind.str(), "if");
        } else {
            EXPECT_FALSE(closing.closedKind.isSet()) << "depth " << depth;
        }
    }
}

TEST(StructureCheck, TwoHundredNestedIfsFromCode)
{
    Workspace ws;
    test::ScriptedPrompter p;
    ws.prompter = &p;
    QString code = QStringLiteral("procedure p;\r\nbegin\r\n");
    for (int i = 0; i < 200; ++i) code += QStringLiteral("if a then begin\r\n");
    for (int i = 0; i < 200; ++i) code += QStringLiteral("end;\r\n");
    code += QStringLiteral("end;\r\n");
    ws.codeText = code;
    classifyStatements(ws.statements, ws.codeText, ws.templates);
    ws.statements.sortBy([](const StatementRow& r) { return r.drawOrder; });
    ws.blockCount = checkStructure(ws.statements, ws.prompter);
    int paired = 0;
    for (const StatementRow& r : ws.statements.rows())
        if (r.kind == "end" && r.closedKind == "if") ++paired;
    EXPECT_EQ(paired, 101);
}
