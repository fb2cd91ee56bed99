// The statement reader: tokens that comments, strings and directives cannot
// mislead, the nesting of statements, and the routine's own statement part
// among nested routines.
#include <gtest/gtest.h>

#include <QStringList>

#include "analysis/syntax/StatementTree.h"
#include "support/PrintTo.h"

using namespace vexoria;
using namespace vexoria::syntax;

namespace {

QString text(const Routine& r, int token) { return r.tokens.tokens.at(static_cast<std::size_t>(token)).text; }

TEST(StatementReader, CommentsStringsAndDirectivesAreNoCode)
{
    const TokenList t = tokenize(QStringLiteral("s := '{ then }''x'#13; (* do *) {$ifdef a} // end\r\nx..y"));
    QStringList words;
    for (const Token& tok : t.tokens) words << tok.text;
    EXPECT_EQ(words, (QStringList{"s", ":=", "'{ then }''x'#13", ";", "x", "..", "y"}));
    ASSERT_EQ(t.comments.size(), 3u);
    EXPECT_FALSE(t.comments[0].directive);
    EXPECT_TRUE(t.comments[1].directive);
    EXPECT_EQ(t.comments[2].body, QStringLiteral(" end"));
    // A quote left open ends at the line's end.
    EXPECT_EQ(tokenize(QStringLiteral("s := 'abc\r\nx")).tokens.back().text, QStringLiteral("x"));
}

TEST(StatementReader, ElseBindsToTheNearestIfAndChainsNest)
{
    const auto r = readRoutine(QStringLiteral(
        "procedure P;\r\nbegin\r\n  if a then if b then x else y else if c then z;\r\n  w;\r\nend;\r\n"));
    ASSERT_TRUE(r.has_value());
    ASSERT_EQ(r->statements.size(), 2u);
    const Statement& outer = *r->statements[0];
    ASSERT_EQ(outer.kind, StatementKind::If);
    ASSERT_TRUE(outer.thenPart && outer.thenPart->kind == StatementKind::If);
    EXPECT_GE(outer.thenPart->elseToken, 0); // "else y" belongs to "if b"
    ASSERT_TRUE(outer.elsePart && outer.elsePart->kind == StatementKind::If);
    EXPECT_EQ(outer.elsePart->elseToken, -1);
    EXPECT_EQ(text(*r, r->statements[1]->first), QStringLiteral("w"));
}

TEST(StatementReader, CaseTryRepeatAndLabels)
{
    const auto r = readRoutine(QStringLiteral("begin\r\n"
                                              "  case k of 1, 2: x; 'a'..'z': begin y end else z; w end;\r\n"
                                              "  try repeat a until b except on E: Exception do c; else d end;\r\n"
                                              "  10: goto 10;\r\n"
                                              "  asm mov eax, 1 end;\r\n"
                                              "end."));
    ASSERT_TRUE(r.has_value());
    ASSERT_EQ(r->statements.size(), 4u);
    const Statement& c = *r->statements[0];
    EXPECT_EQ(c.kind, StatementKind::Case);
    EXPECT_EQ(c.branches.size(), 2u);
    EXPECT_TRUE(c.hasElse);
    EXPECT_EQ(c.body.size(), 2u); // the else part: z and w
    const Statement& t = *r->statements[1];
    EXPECT_EQ(t.kind, StatementKind::Try);
    ASSERT_EQ(t.body.size(), 1u);
    EXPECT_EQ(t.body[0]->kind, StatementKind::Repeat);
    ASSERT_EQ(t.handlers.size(), 2u);
    EXPECT_EQ(t.handlers[0]->kind, StatementKind::OnHandler);
    const Statement& g = *r->statements[2];
    EXPECT_EQ(g.kind, StatementKind::Goto);
    EXPECT_EQ(g.labels.size(), 1u);
    EXPECT_EQ(r->statements[3]->kind, StatementKind::Simple); // asm … end
}

TEST(StatementReader, NestedRoutinesAreSteppedOverAndRecorded)
{
    const QString code = QStringLiteral("procedure Outer;\r\n"
                                        "type TRec = record a: Integer; case b: Byte of 0: (c: Char); end;\r\n"
                                        "var p: procedure(x: Integer);\r\n"
                                        "  function Inner: Integer; begin Inner := 1; end;\r\n"
                                        "  procedure Fwd; forward;\r\n"
                                        "begin\r\n  x := Inner;\r\nend;\r\n");
    const auto r = readRoutine(code);
    ASSERT_TRUE(r.has_value());
    ASSERT_EQ(r->statements.size(), 1u);
    ASSERT_EQ(r->nestedRoutines.size(), 1u);
    EXPECT_TRUE(code.mid(r->nestedRoutines[0].first).startsWith(QStringLiteral("function Inner")));
    EXPECT_TRUE(code.left(r->nestedRoutines[0].second).endsWith(QStringLiteral("end;")));
}

TEST(StatementReader, ACopyStartingWithANestedRoutineReadsTheBodyAfterIt)
{
    const QString code = QStringLiteral("  procedure Inner;\r\n  begin q := 1; end;\r\n"
                                        "begin\r\n  if a then x := 1;\r\n  y := 2;\r\nend;\r\n");
    const auto r = readRoutine(code);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->statements.size(), 2u);
    EXPECT_EQ(r->nestedRoutines.size(), 1u);
    // What follows a routine's block and is not a statement part stays the
    // routine's own.
    const auto single = readRoutine(QStringLiteral("procedure A;\r\nbegin\r\n  x;\r\nend;\r\nvar z;\r\n"));
    ASSERT_TRUE(single.has_value());
    EXPECT_EQ(single->statements.size(), 1u);
    EXPECT_TRUE(single->nestedRoutines.empty());
}

TEST(StatementReader, TextThatIsNoPascalIsNotRead)
{
    EXPECT_FALSE(readRoutine(QString()).has_value());
    EXPECT_FALSE(readRoutine(QStringLiteral("begin if a end")).has_value());
    EXPECT_FALSE(readRoutine(QStringLiteral("procedure A;\r\nbegin\r\n  x := 1;\r\n")).has_value());
    EXPECT_FALSE(readRoutine(QStringLiteral("procedure A; assembler;\r\nasm\r\n  nop\r\nend;")).has_value());
    EXPECT_FALSE(readRoutine(QStringLiteral("} then do of ((")).has_value());
    // Bare statements are read as they stand.
    const auto bare = readRoutine(QStringLiteral("x := 1; if a then y"));
    ASSERT_TRUE(bare.has_value());
    EXPECT_EQ(bare->bodyBegin, -1);
    EXPECT_EQ(bare->statements.size(), 2u);
}

} // namespace

namespace {

TEST(StatementReader, NestingTooDeepForAChartIsNotRead)
{
    QString ifs = QStringLiteral("begin\r\n");
    for (int i = 0; i < 100000; ++i) ifs += QStringLiteral("if a then ");
    ifs += QStringLiteral("x;\r\nend;\r\n");
    EXPECT_FALSE(readRoutine(ifs).has_value());
    QString headings;
    for (int i = 0; i < 100000; ++i) headings += QStringLiteral("procedure A;\r\n");
    EXPECT_FALSE(readRoutine(headings + QStringLiteral("begin end;")).has_value());
    // As deep as real code goes is read.
    QString nested = QStringLiteral("begin\r\n");
    for (int i = 0; i < 200; ++i) nested += QStringLiteral("while a do begin ");
    for (int i = 0; i < 200; ++i) nested += QStringLiteral("end;");
    EXPECT_TRUE(readRoutine(nested + QStringLiteral("\r\nend;")).has_value());
}

} // namespace
