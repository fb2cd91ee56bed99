// The structure check on hand-made tables: pairing of closing rows, until and
// repeat, the warning for surplus closing rows and the depth limit.
#include <gtest/gtest.h>

#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

using namespace vexoria;

namespace {

const QString kWarning = QStringLiteral("Предупреждение !Возможна ошибка\rв блоке разбора синтаксиса");

// Rows from kinds in nom order; "" makes a text row.
void fill(Workspace& ws, const std::vector<const char*>& kinds)
{
    ws.tstrok.open();
    ws.tstrok.clear();
    int nom = 1;
    for (const char* kind : kinds) {
        StrokRow r;
        r.n = nom;
        r.nom = nom;
        const QString k = QString::fromUtf8(kind);
        if (k == u"end") {
            r.obiect = "end";
            r.uslovie = false;
        } else if (!k.isEmpty()) {
            r.obiect = k;
            r.uslovie = true;
        }
        ws.tstrok.append(r);
        ++nom;
    }
}

const StrokRow& byNom(const Workspace& ws, int nom)
{
    for (const StrokRow& r : ws.tstrok.rows())
        if (val(r.nom) == nom) return r;
    static StrokRow none;
    ADD_FAILURE() << "no row with nom " << nom;
    return none;
}

} // namespace

TEST(StructureCheck, ClosingRowsPairWithTheConstructsTheyClose)
{
    Workspace ws;
    test::ScriptedPrompter p;
    ws.prompter = &p;
    // while c do begin x; end;   then   if c then x else y;
    fill(ws, {"header", "while", "begin", "", "end", "if", "begin", "", "end", "else", "begin", "", "end", "end shema"});
    AprepareExecute(ws);
    EXPECT_EQ(ws.ctx.blockCount, 11);
    EXPECT_EQ(byNom(ws, 5).endobiect.str(), "while");
    EXPECT_EQ(val(byNom(ws, 5).no), 2);
    EXPECT_EQ(byNom(ws, 9).endobiect.str(), "if");
    EXPECT_EQ(val(byNom(ws, 9).no), 6);
    EXPECT_EQ(byNom(ws, 13).endobiect.str(), "else");
    EXPECT_EQ(val(byNom(ws, 13).no), 10);
    EXPECT_FALSE(byNom(ws, 4).filtr.has_value());
    EXPECT_EQ(val(byNom(ws, 14).filtr), 10);
    // Left sorted on filtr: the text rows first.
    EXPECT_FALSE(ws.tstrok.at(0).filtr.has_value());
    EXPECT_EQ(val(ws.tstrok.at(ws.tstrok.size() - 1).filtr), 10);
    EXPECT_TRUE(p.messages().isEmpty());
}

TEST(StructureCheck, RepeatsNestAndEachUntilClosesItsOwn)
{
    Workspace ws;
    fill(ws, {"repeat", "repeat", "", "until", "until", "until", "end shema"});
    AprepareExecute(ws);
    EXPECT_EQ(byNom(ws, 4).endobiect.str(), "repeat");
    EXPECT_EQ(val(byNom(ws, 4).no), 2);
    // The outer until closes the outer repeat, not nothing.
    EXPECT_EQ(byNom(ws, 5).endobiect.str(), "repeat");
    EXPECT_EQ(val(byNom(ws, 5).no), 1);
    // An until with no repeat open has none.
    EXPECT_EQ(val(byNom(ws, 6).no), 0);
}

TEST(StructureCheck, FourthSurplusClosingWarnsOnceAndStops)
{
    Workspace ws;
    test::ScriptedPrompter p;
    ws.prompter = &p;
    fill(ws, {"if", "end", "end", "end", "end", "end", "if", "end", "end shema"});
    AprepareExecute(ws);
    ASSERT_EQ(p.messages().size(), 1);
    EXPECT_EQ(p.messages()[0], kWarning);
    // The depth reaches -4 at nom 6; the rows after the warning keep nothing.
    EXPECT_EQ(byNom(ws, 2).endobiect.str(), "if");
    EXPECT_FALSE(byNom(ws, 8).endobiect.isSet());
    EXPECT_EQ(ws.ctx.blockCount, 9);
}

TEST(StructureCheck, ThreeSurplusClosingsAreSilent)
{
    Workspace ws;
    test::ScriptedPrompter p;
    ws.prompter = &p;
    fill(ws, {"end", "end", "end", "end shema"});
    AprepareExecute(ws);
    EXPECT_TRUE(p.messages().isEmpty());
    for (const StrokRow& r : ws.tstrok.rows()) EXPECT_FALSE(r.endobiect.isSet());
}

TEST(StructureCheck, NestingDeeperThanTheStackNeverWritesPastIt)
{
    Workspace ws;
    std::vector<const char*> kinds;
    for (int i = 0; i < 200; ++i) kinds.push_back("if");
    for (int i = 0; i < 200; ++i) kinds.push_back("end");
    kinds.push_back("end shema");
    fill(ws, kinds);
    AprepareExecute(ws);
    // The closing row at depth d (d = 200 .. 1) is the (201 - d)th one.
    for (int depth = 1; depth <= 200; ++depth) {
        const StrokRow& closing = byNom(ws, 200 + (201 - depth));
        if (depth <= 101) {
            EXPECT_EQ(val(closing.no), depth) << "depth " << depth;
            EXPECT_EQ(closing.endobiect.str(), "if");
        } else {
            EXPECT_FALSE(closing.endobiect.isSet()) << "depth " << depth;
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
    AbasaExecute(ws);
    ws.tstrok.sortBy([](const StrokRow& r) { return r.nom; });
    AprepareExecute(ws);
    int paired = 0;
    for (const StrokRow& r : ws.tstrok.rows())
        if (r.obiect == "end" && r.endobiect == "if") ++paired;
    EXPECT_EQ(paired, 101);
}
