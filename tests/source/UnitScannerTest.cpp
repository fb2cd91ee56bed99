#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "source/UnitScanner.h"
#include "support/PrintTo.h"

using namespace vexoria;

namespace {

// A small unit: interface declarations, an implementation with a routine
// word in a string literal, an indented last routine and the final "end.".
const QStringList kShapes = {
    "unit Shapes;",                    // 0
    "interface",                       // 1
    "procedure Draw(x: Integer);",     // 2
    "function Area: Integer;",         // 3
    "implementation",                  // 4
    "uses Math;",                      // 5
    "",                                // 6
    "procedure Draw(x: Integer);",     // 7
    "begin",                           // 8
    "  writeln('procedure of Draw');", // 9
    "  x := x + 1;",                   // 10
    "end;",                            // 11
    "",                                // 12
    "  function Area: Integer;",       // 13
    "  begin",                         // 14
    "    Area := 1;",                  // 15
    "  end;",                          // 16
    "",                                // 17
    "end.",                            // 18
};

QStringList fetch(const QStringList& unit, const QString& item)
{
    return copyRoutine(unit, findImplLine(unit), routineName(item));
}

} // namespace

TEST(UnitScanner, RoutineLinesHoldARoutineWordOutsideQuotes)
{
    EXPECT_TRUE(isRoutineLine("procedure A;"));
    EXPECT_TRUE(isRoutineLine("  Function B: Integer;"));
    EXPECT_TRUE(isRoutineLine("x := MyFunctionTable[1];")); // a substring is enough
    EXPECT_TRUE(isRoutineLine("{ this procedure draws }"));
    EXPECT_TRUE(isRoutineLine("PROCEDURE A;")); // old code in capitals
    EXPECT_TRUE(isRoutineLine("constructor TShape.Create;"));
    EXPECT_TRUE(isRoutineLine("  Destructor TShape.Destroy; override;"));
    EXPECT_FALSE(isRoutineLine("operator + (a, b: TVec): TVec;")); // not a routine word
    EXPECT_FALSE(isRoutineLine("writeln('procedure');"));
    EXPECT_FALSE(isRoutineLine("procedure A; // it's here"));
    EXPECT_FALSE(isRoutineLine(""));
}

TEST(UnitScanner, ListsTheRoutinesOfTheImplementationSection)
{
    EXPECT_EQ(findImplLine(kShapes), 4);
    const QStringList items = listRoutineLines(kShapes, 4);
    EXPECT_EQ(items, (QStringList{"procedure Draw(x: Integer);", "  function Area: Integer;"}));
}

TEST(UnitScanner, WithoutAnImplementationLineTheWholeFileIsListed)
{
    const QStringList unit = {"unit U;", "interface", "procedure A;", "Implementation", "procedure A;"};
    EXPECT_EQ(findImplLine(unit), 3); // "Implementation" counts as well

    // Old code writes it in capitals.
    const QStringList shouting = {"UNIT U;",      "INTERFACE", "PROCEDURE A;", "IMPLEMENTATION",
                                  "PROCEDURE A;", "BEGIN",     "END;",         "END."};
    EXPECT_EQ(findImplLine(shouting), 3);
    EXPECT_EQ(listRoutineLines(shouting, findImplLine(shouting)), (QStringList{"PROCEDURE A;"}));

    const QStringList program = {"program P;",           "procedure A;", "begin", "end;",
                                 "function B: Integer;", "begin",        "end."};
    EXPECT_EQ(findImplLine(program), 0);
    EXPECT_EQ(listRoutineLines(program, 0), (QStringList{"procedure A;", "function B: Integer;"}));
    EXPECT_EQ(findImplLine({}), 0);
    EXPECT_TRUE(listRoutineLines({}, 0).isEmpty());
}

TEST(UnitScanner, CopiesARoutineFromItsHeadingToItsEnd)
{
    // The string literal neither is listed nor ends the copy.
    EXPECT_EQ(fetch(kShapes, "procedure Draw(x: Integer);"),
              (QStringList{"procedure Draw(x: Integer);", "begin", "  writeln('procedure of Draw');", "  x := x + 1;",
                           "end;"}));
    EXPECT_EQ(fetch(kShapes, "  function Area: Integer;"),
              (QStringList{"  function Area: Integer;", "  begin", "    Area := 1;", "  end;"}));
    // A statement that holds "end." is a statement like any other; a string
    // naming the routine does not copy the routine twice.
    const QStringList unit = {"implementation", "procedure A;", "begin", "  Backend.Run;", "  writeln('procedure A;');",
                              "end;",           "end."};
    EXPECT_EQ(fetch(unit, "procedure A;"),
              (QStringList{"procedure A;", "begin", "  Backend.Run;", "  writeln('procedure A;');", "end;"}));
    // A forward declaration that holds the name does not hide the routine.
    const QStringList forward = {"implementation", "procedure A; forward;", "procedure B;", "begin", "  A;",
                                 "end;",           "procedure A;",          "begin",        "end;"};
    EXPECT_EQ(fetch(forward, "procedure A;"), (QStringList{"procedure A;", "begin", "end;"}));
}

TEST(UnitScanner, NestedRoutinesAreCopiedOnTheirOwn)
{
    const QStringList unit = {"implementation",                         // 0
                              "procedure Outer(n: Integer);",           // 1
                              "var k: Integer;",                        // 2
                              "  function Twice(x: Integer): Integer;", // 3
                              "    procedure Deep;",                    // 4
                              "    begin Beep; end;",                   // 5
                              "  begin",                                // 6
                              "    Deep;",                              // 7
                              "    Twice := 2 * x;",                    // 8
                              "  end;",                                 // 9
                              "  procedure Note; forward;",             // 10
                              "  procedure Note;",                      // 11
                              "  begin",                                // 12
                              "    case k of 1: k := 2; end;",          // 13
                              "  end;",                                 // 14
                              "begin",                                  // 15
                              "  k := Twice(n);",                       // 16
                              "  Note;",                                // 17
                              "end;",                                   // 18
                              "",                                       // 19
                              "procedure Last;",                        // 20
                              "begin",                                  // 21
                              "end;",                                   // 22
                              "end."};
    // Listed in the order of their headings: each after its outer routine.
    EXPECT_EQ(
        listRoutineLines(unit, 0),
        (QStringList{"procedure Outer(n: Integer);", "  function Twice(x: Integer): Integer;", "    procedure Deep;",
                     "  procedure Note; forward;", "  procedure Note;", "procedure Last;"}));
    // The outer routine: its heading, declarations and body, without what is
    // nested in it.
    EXPECT_EQ(fetch(unit, "procedure Outer(n: Integer);"),
              (QStringList{"procedure Outer(n: Integer);", "var k: Integer;", "  procedure Note; forward;", "begin",
                           "  k := Twice(n);", "  Note;", "end;"}));
    EXPECT_EQ(fetch(unit, "  function Twice(x: Integer): Integer;"),
              (QStringList{"  function Twice(x: Integer): Integer;", "  begin", "    Deep;", "    Twice := 2 * x;",
                           "  end;"}));
    EXPECT_EQ(fetch(unit, "    procedure Deep;"), (QStringList{"    procedure Deep;", "    begin Beep; end;"}));
    // A nested routine never runs on into its outer routine's body.
    EXPECT_EQ(fetch(unit, "  procedure Note;"),
              (QStringList{"  procedure Note;", "  begin", "    case k of 1: k := 2; end;", "  end;"}));
    EXPECT_EQ(fetch(unit, "procedure Last;"), (QStringList{"procedure Last;", "begin", "end;"}));
}

TEST(UnitScanner, ARoutineLeftOpenIsCopiedLineByLine)
{
    // No end for A's body: the copy runs to the next routine line, as for
    // any text the routine reader cannot follow.
    const QStringList unit = {"implementation", "procedure A;", "begin", "  x := 1;", "procedure B;", "begin", "end;"};
    EXPECT_EQ(fetch(unit, "procedure A;"), (QStringList{"procedure A;", "begin", "  x := 1;"}));
}

TEST(UnitScanner, RepeatedHeadersCannotBlowUpTheCopy)
{
    // Every line is the header again: each one restarts the copy to the end.
    const QStringList unit(20000, QStringLiteral("procedure A;"));
    const QStringList lines = copyRoutine(unit, 0, "procedure A;");
    EXPECT_GT(lines.size(), 20000);
    EXPECT_LE(lines.size(), 1 << 21);
}

TEST(UnitScanner, TabsAndBlanksBeforeANameAreDropped)
{
    EXPECT_EQ(routineName("  \tfunction F: Integer;"), QString("function F: Integer;"));
    EXPECT_EQ(routineName("procedure P; "), QString("procedure P; ")); // trailing blanks stay
    const QStringList unit = {"implementation", "\tprocedure P;", "\tbegin", "\tend;"};
    EXPECT_EQ(fetch(unit, unit[1]), (QStringList{"\tprocedure P;", "\tbegin", "\tend;"}));
}

TEST(UnitScanner, SplitsUnitBytesIntoLines)
{
    EXPECT_EQ(splitUnitText("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitUnitText("a\r\n"), (QStringList{"a"}));
    EXPECT_EQ(splitUnitText("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_TRUE(splitUnitText("").isEmpty());
    EXPECT_EQ(splitUnitText("\xEF\xBB\xBF"
                            "procedure A;"),
              (QStringList{"procedure A;"}));
    EXPECT_EQ(splitUnitText("{ \xCF\xF0\xE8\xE2\xE5\xF2 }\n"), (QStringList{QStringLiteral("{ Привет }")}));
}

TEST(UnitScanner, ReadsAUnitFileOrSaysWhyNot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("u.pas");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("unit U;\r\nimplementation\r\nprocedure A;\r\n");
    f.close();
    EXPECT_EQ(readUnitFile(path), (QStringList{"unit U;", "implementation", "procedure A;"}));

    QString error;
    EXPECT_FALSE(readUnitFile(dir.filePath("missing.pas"), &error).has_value());
    EXPECT_FALSE(error.isEmpty());
}
