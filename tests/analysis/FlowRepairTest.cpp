// Tables that state the code's flow: what the scan now reads soundly by
// itself, how a statement part it misreads is laid out again, and that a
// table read soundly is kept as the scan made it.
#include <gtest/gtest.h>

#include <memory>

#include "analysis/CanonicalLayout.h"
#include "analysis/FlowAgreement.h"
#include "analysis/NumberingPass.h"
#include "analysis/ScanState.h"
#include "analysis/StatementScanner.h"
#include "tables/ShapeTemplates.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "support/PrintTo.h"
#include "support/CodeText.h"
#include "support/ScriptedPrompter.h"

using namespace vexoria;

namespace {

// The scan and numbering alone, and how many statements their table puts
// where the code does not.
int misplacedByTheScan(const QString& code)
{
    ShapeTemplateTable templates;
    fillTemplates(templates);
    scan::ScanState s(code, templates);
    scan::scanStatements(s);
    StatementTable table;
    scan::numberRows(s, table);
    const scan::ScanPlaces places{std::move(s.rowPlaces), std::move(s.tryHeadEnds)};
    const auto routine = syntax::readRoutine(code);
    EXPECT_TRUE(routine.has_value());
    return routine ? scan::flowDisagreements(code, *routine, table.rows(), places) : -1;
}

QStringList kinds(const std::vector<StatementRow>& rows)
{
    QStringList out;
    for (const StatementRow& r : rows) out << (r.kind.str().isEmpty() ? r.text.str() : r.kind.str());
    return out;
}

TEST(FlowRepair, TheScanReadsTabsStringsDirectivesAndTryHeads)
{
    // A tab is a blank: the if is a keyword; the text keeps its tab.
    auto rows = test::classifiedRows(
        test::crlfLines({"procedure A;", "begin", "\tif a then", "\t\tx :=\t1;", "\ty := 2;", "end;"}));
    EXPECT_EQ(kinds(rows), (QStringList{"header", "procedure a;", "if", "begin", "x :=\t1;", "end", "procces",
                                        "y := 2;", "end", "end shema"}));
    // A brace or // in a string starts no comment.
    rows = test::classifiedRows(
        test::crlfLines({"procedure A;", "begin", "  s := '{ //';", "  if a then", "    x := 1;", "end;"}));
    EXPECT_EQ(kinds(rows).mid(2, 4), (QStringList{"begin", "s := '{ //';", "if", "begin"}));
    // A directive is no text and no comment; the letter after it stays.
    rows = test::classifiedRows(
        test::crlfLines({"procedure A;", "begin", "  x := 1;", "  {$ifdef d}Result := 2;{$endif}", "end;"}));
    EXPECT_EQ(kinds(rows).mid(2, 3), (QStringList{"begin", "x := 1;", "result := 2;"}));
    for (const StatementRow& r : rows) EXPECT_TRUE(r.comment.str().isEmpty());
    // Names of the blocks only the classifier makes are identifiers in code.
    rows = test::classifiedRows(
        test::crlfLines({"procedure A;", "begin", "  Header := 'x';", "  procces(Header);", "end;"}));
    EXPECT_EQ(kinds(rows).mid(2, 3), (QStringList{"begin", "header := 'x';", "procces(header);"}));
    // A try whose first statement is a construct draws the construct.
    rows = test::classifiedRows(test::crlfLines({"procedure A;", "begin", "  try", "    if a then", "      x := 1;",
                                                 "  finally", "    y := 2;", "  end;", "end;"}));
    ASSERT_GE(rows.size(), 5u);
    EXPECT_EQ(rows[2].kind.str(), "try");
    EXPECT_TRUE(rows[2].headText.str().isEmpty());
    EXPECT_EQ(rows[3].kind.str(), "if");
}

TEST(FlowRepair, CaseBranchesWithCommentsAndNestedCases)
{
    const auto rows = test::classifiedRows(
        test::crlfLines({"procedure A;", "begin", "  case a of", "    1: // one", "      begin", "        case b of",
                         "          2: x := 1;", "        end;", "      end;", "    3: y := 2;", "  end;", "end;"}));
    int branches = 0;
    bool commented = false;
    for (const StatementRow& r : rows) {
        if (r.kind == "if" && r.text == "case") ++branches;
        if (r.comment == " one") commented = true;
    }
    EXPECT_EQ(branches, 3);
    EXPECT_TRUE(commented);
    // A colon in a quoted label is the label's.
    const auto colon =
        test::classifiedRows(test::crlfLines({"procedure A;", "begin", "  case c of", "    ':' :", "      begin",
                                              "        x := 1;", "      end;", "    ';': y := 2;", "  end;", "end;"}));
    QStringList labels;
    for (const StatementRow& r : colon)
        if (r.kind == "if" && r.text == "case") labels << r.headText.str();
    EXPECT_EQ(labels, (QStringList{"':':", "';':"}));
}

TEST(FlowRepair, MisplacedStatementsAreCountedOnlyWhereTheScanMisreads)
{
    EXPECT_EQ(misplacedByTheScan(
                  test::crlfLines({"procedure A;", "begin", "  while a do", "    x := 1;", "  y := 2;", "end;"})),
              1);
    EXPECT_EQ(misplacedByTheScan(test::crlfLines({"procedure A;", "begin", "  if a then x := 1", "  else if b then",
                                                  "    x := 2;", "  y := 3;", "end;"})),
              2);
    // Sound code: if, for and else with single statements, begin..end
    // bodies, case, repeat.
    EXPECT_EQ(misplacedByTheScan(test::crlfLines({"procedure A;", "begin", "  if a then", "    x := 1", "  else",
                                                  "    x := 2;", "  for i := 1 to 3 do", "  begin", "    y := i;",
                                                  "  end;", "  case k of", "    1: z := 1;", "  end;", "  repeat",
                                                  "    k := k + 1;", "  until k > 3;", "end;"})),
              0);
}

TEST(FlowRepair, TheStatementPartIsLaidOutOneConstructALine)
{
    const QString code =
        test::crlfLines({"procedure A; // sorts", "var i: Integer;", "begin", "  { first }",
                         "  for i := 1 to n do if a[i] > m then m := a[i] { bigger } else k := 0;",
                         "  case k of 1: x := 1; else y := 2 end;", "  try", "    while b do", "      Inc(i);",
                         "  except", "    on E: Exception do begin Log; Halt end;", "  end;", "end;"});
    const auto routine = syntax::readRoutine(code);
    ASSERT_TRUE(routine.has_value());
    EXPECT_EQ(scan::layOutCanonically(code, *routine), test::crlfLines({"procedure A; // sorts",
                                                                        "var i: Integer;",
                                                                        "begin",
                                                                        "  // first",
                                                                        "  for i := 1 to n do",
                                                                        "  begin",
                                                                        "    if a[i] > m then",
                                                                        "    begin",
                                                                        "      m := a[i] // bigger",
                                                                        "    end",
                                                                        "    else",
                                                                        "    begin",
                                                                        "      k := 0;",
                                                                        "    end;",
                                                                        "  end;",
                                                                        "  case k of",
                                                                        "    1: begin",
                                                                        "      x := 1;",
                                                                        "    end;",
                                                                        "    else begin",
                                                                        "      y := 2",
                                                                        "    end;",
                                                                        "  end;",
                                                                        "  try",
                                                                        "    while b do",
                                                                        "    begin",
                                                                        "      Inc(i);",
                                                                        "    end;",
                                                                        "  except",
                                                                        "    on E: Exception do",
                                                                        "      Log;",
                                                                        "      Halt",
                                                                        "  end;",
                                                                        "end;"}));
}

TEST(FlowRepair, ALocalRecordsEndIsNoEndOfAConstruct)
{
    const auto rows = test::classifiedRows(test::crlfLines(
        {"procedure A;", "type", "  R = record", "    a: Integer;", "  end;", "  S = record", "    b: Byte; // a byte",
         "  end;", "begin", "  if b then", "    x := 1;", "  y := 2;", "end;"}));
    EXPECT_EQ(kinds(rows).mid(3), (QStringList{"r = record", "a: integer; end;", "s = record", "b: byte; end; /", "if",
                                               "begin", "x := 1;", "end", "procces", "y := 2;", "end", "end shema"}));
}

TEST(FlowRepair, ATableReadSoundlyIsKeptAsTheScanMadeIt)
{
    // The line "x := 1; y := 2;" would be split by a new layout; read
    // soundly, it stays one row.
    const auto rows = test::classifiedRows(
        test::crlfLines({"procedure A;", "begin", "  if a then", "  begin", "    x := 1; y := 2;", "  end;", "end;"}));
    bool oneRow = false;
    for (const StatementRow& r : rows)
        if (r.text == "x := 1; y := 2;") oneRow = true;
    EXPECT_TRUE(oneRow);
    // Misread, the same line is laid out again and the while closes where
    // its statement ends.
    const auto fixed =
        test::classifiedRows(test::crlfLines({"procedure A;", "begin", "  while a do x := 1; y := 2;", "end;"}));
    EXPECT_EQ(kinds(fixed), (QStringList{"header", "procedure a;", "while", "begin", "x := 1;", "end", "procces",
                                         "y := 2;", "end", "end shema"}));
}

} // namespace
