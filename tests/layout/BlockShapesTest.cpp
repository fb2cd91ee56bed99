// Block shapes, pens, texts and comments of every kind, recorded with a
// metric of 5 pixels a character. Every block stands at the origin
// (100, 200) so the points read as template point + stretch + origin.
#include <gtest/gtest.h>

#include "ChartBuilder.h"
#include "pipeline/Pipeline.h"

namespace vexoria::test {
namespace {

constexpr bool kColour = true;
constexpr bool kMono = false;
// In colour mode a break block is drawn first and takes palette entry 0
// (black), so the block under test takes entry 1, maroon.
const QString kMaroon = QStringLiteral("pen color=128");

struct Fixture {
    ChartBuilder c;
    bool colour;
    explicit Fixture(bool colourMode) : colour(colourMode)
    {
        c.ws.settings.colourMode = colourMode;
        if (colourMode) c.placed("break", 0, 1000);
    }
    // The calls made for the rows after the leading break.
    QStringList draw()
    {
        c.draw();
        QStringList l = c.lines();
        EXPECT_EQ(l.value(0), QStringLiteral("pen width=1"));
        return l.mid(colour ? 6 : 1);
    }
};

TEST(ConditionBlocks, IfIsADiamondStretchedByHalvesAndItsRightPointByAll)
{
    Fixture f(kColour);
    f.c.placed("if", 100, 200, 11, 6, QStringLiteral(" a > b")).comment = "c1";
    EXPECT_EQ(f.draw(), (QStringList{
                            "text 271,248 \"c1\"",
                            "pen width=2",
                            kMaroon,
                            "polygon 150,243 205,220 261,243 205,266",
                            "pen color=0",
                            "text 190,238 \" a > b\"",
                            "pen width=1",
                        }));
}

TEST(ConditionBlocks, CaseBranchIsOutlinedWider)
{
    Fixture mono(kMono);
    mono.c.placed("if", 100, 200, 0, 0, QStringLiteral("1:")).text = "case";
    EXPECT_EQ(mono.draw(), (QStringList{
                               "pen width=2",
                               "polygon 150,240 200,220 250,240 200,260",
                               "pen color=0",
                               "text 195,235 \"1:\"",
                               "pen width=1",
                           }));
    Fixture colour(kColour);
    colour.c.placed("if", 100, 200, 0, 0, QStringLiteral("1:")).text = "case";
    EXPECT_EQ(colour.draw().value(0), QStringLiteral("pen width=3"));
    Fixture elseBranch(kColour);
    elseBranch.c.placed("else", 100, 200).text = "case";
    EXPECT_EQ(elseBranch.draw().value(0), QStringLiteral("pen width=2"));
}

TEST(ConditionBlocks, LongConditionIsBrokenIntoCentredPieces)
{
    Fixture f(kMono);
    f.c.ws.settings.ifTextWidth = "20";
    // 25 pixels: "abcd" is 20, not above the limit, so the piece takes "e".
    f.c.placed("if", 100, 200, 0, 0, QStringLiteral("abcdefgh"));
    const QStringList l = f.draw();
    EXPECT_EQ(l.mid(3), (QStringList{"text 187,230 \"abcde\"", "text 192,245 \"fgh\""}));

    Fixture exact(kMono);
    exact.c.ws.settings.ifTextWidth = "40";
    exact.c.placed("if", 100, 200, 0, 0, QStringLiteral("abcdefgh"));
    EXPECT_EQ(exact.draw().mid(3), (QStringList{"text 180,235 \"abcdefgh\""}));
}

TEST(ConditionBlocks, TryWritesItsMarkAboveTheCondition)
{
    Fixture f(kColour);
    f.c.placed("try", 100, 200, 0, 0, QStringLiteral(" x;"));
    EXPECT_EQ(f.draw(), (QStringList{
                            "pen width=3",
                            kMaroon,
                            "polygon 150,240 200,220 250,240 200,260",
                            "pen color=0",
                            "text 190,220 \"TRY\"",
                            "text 192,235 \" x;\"",
                            "pen width=1",
                        }));
    Fixture mono(kMono);
    mono.c.placed("try", 100, 200, 0, 0, QStringLiteral(" x;"));
    EXPECT_EQ(mono.draw().value(0), QStringLiteral("pen width=2"));
}

TEST(ConditionBlocks, ForIsAKiteWithItsHeadOnTheMiddleLine)
{
    Fixture f(kColour);
    f.c.placed("for", 100, 200, 0, 0, QStringLiteral("i := 1 to n"));
    EXPECT_EQ(f.draw(), (QStringList{
                            "pen width=2",
                            kMaroon,
                            "polygon 150,240 175,230 200,240 175,270",
                            "pen color=0",
                            "text 147,240 \"i := 1 to n\"",
                            "pen width=1",
                        }));
    Fixture broken(kMono);
    broken.c.ws.settings.forTextWidth = "20";
    broken.c.placed("for", 100, 200, 0, 0, QStringLiteral("abcdefgh"));
    EXPECT_EQ(broken.draw().mid(3), (QStringList{"text 162,230 \"abcde\"", "text 167,245 \"fgh\""}));
}

TEST(LoopBlocks, WhileIsAHexagonWithItsConditionOnTheMiddleLine)
{
    Fixture f(kColour);
    f.c.placed("while", 100, 200, 20, 10, QStringLiteral("k < 10")).comment = "w";
    EXPECT_EQ(f.draw(), (QStringList{
                            "text 300,218 \"w\"",
                            "pen width=2",
                            kMaroon,
                            "polygon 150,245 175,220 270,220 295,245 270,270 175,270",
                            "pen color=0",
                            "text 207,240 \"k < 10\"",
                        }));
    Fixture broken(kMono);
    broken.c.ws.settings.whileTextWidth = "20";
    broken.c.placed("while", 100, 200, 20, 10, QStringLiteral("abcdefgh"));
    EXPECT_EQ(broken.draw().mid(2), (QStringList{"text 210,230 \"abcde\"", "text 215,245 \"fgh\""}));
}

TEST(LoopBlocks, RepeatAndItsUntilShareAColourThatStaysOn)
{
    Fixture f(kColour);
    f.c.placed("repeat", 100, 200).comment = "r";
    f.c.placed("until", 100, 300, 10, 0, QStringLiteral(" i > n;")).comment = "u";
    f.c.placed("end shema", 100, 400);
    EXPECT_EQ(f.draw(), (QStringList{
                            "text 260,220 \"r\"",
                            "pen width=2",
                            kMaroon,
                            "polygon 150,220 250,220 200,260",
                            "text 180,225 \"repeat\"",
                            "text 195,320 \"u\"",
                            "pen width=2",
                            kMaroon,
                            "polygon 150,340 180,320 210,340 210,360 150,360",
                            "text 162,340 \" i > n;\"",
                            // No reset: the end block is outlined in the loop colour.
                            "roundrect 150,420 300,460 40,40",
                            "text 185,430 \"END SHEMA\"",
                        }));
    Fixture mono(kMono);
    mono.c.placed("until", 100, 300, 10, 0, QStringLiteral(" i > n;"));
    EXPECT_EQ(mono.draw().value(0), QStringLiteral("pen color=0"));
}

TEST(LoopBlocks, WithTextIsCentredThenMovedRightAndNeverBroken)
{
    Fixture f(kColour);
    f.c.ws.settings.forTextWidth = "5";
    f.c.ws.settings.beginTextWidth = "5";
    f.c.placed("with", 100, 200, 20, 6, QStringLiteral(" r")).comment = "w";
    EXPECT_EQ(f.draw(), (QStringList{
                            "text 205,226 \"w\"",
                            "pen width=2",
                            kMaroon,
                            "polygon 150,246 175,220 245,220 220,246",
                            "pen color=0",
                            "text 197,228 \" r\"",
                        }));
}

TEST(SelectBlocks, CaseIsABoxPointingDown)
{
    Fixture f(kColour);
    f.c.placed("case", 100, 200, 15, 0, QStringLiteral(" k")).comment = "c";
    EXPECT_EQ(f.draw(), (QStringList{
                            "text 225,220 \"c\"",
                            kMaroon,
                            "pen width=3",
                            "polygon 150,220 215,220 215,260 182,280 150,260",
                            "pen width=1",
                            "pen color=0",
                            "text 177,225 \" k\"",
                        }));
    Fixture mono(kMono);
    mono.c.placed("case", 100, 200, 15, 0, QStringLiteral(" k"));
    EXPECT_EQ(mono.draw().value(0), QStringLiteral("pen width=2"));
}

TEST(JumpBlocks, GotoAndItsLabelShareAColour)
{
    Fixture f(kColour);
    f.c.placed("goto", 100, 200, 10, 0, QStringLiteral("l1")).comment = "g";
    f.c.placed("repeat", 100, 300);
    f.c.placed("mylabel", 100, 400, 10, 0, QStringLiteral("l1:"));
    const QStringList l = f.draw();
    EXPECT_EQ(l.mid(0, 6), (QStringList{
                               "text 140,220 \"g\"",
                               "pen width=2",
                               kMaroon,
                               "polygon 150,240 175,220 210,220 210,260 175,260",
                               "pen color=0",
                               "text 175,235 \"l1\"",
                           }));
    // The repeat in between takes entry 2; the label goes back to maroon.
    EXPECT_EQ(l.mid(10, 5), (QStringList{
                                "pen width=2",
                                kMaroon,
                                "polygon 150,440 175,420 210,420 210,460 175,460",
                                "pen color=0",
                                "text 175,435 \"l1:\"",
                            }));

    Fixture before(kColour);
    before.c.placed("mylabel", 100, 200, 0, 0, QStringLiteral("l1:"));
    EXPECT_EQ(before.draw().mid(0, 2), (QStringList{"pen width=2", "pen color=0"}));
}

TEST(TextBlocks, LinesRunDownFromTheTopWithTheirComments)
{
    Fixture f(kMono);
    f.c.placed("else", 100, 200, 50, 15).comment = "e";
    f.c.text("a := 1;");
    f.c.text("b := 2;").comment = "t2";
    f.c.closing();
    f.c.placed("end shema", 100, 300);
    EXPECT_EQ(f.draw(), (QStringList{
                            "pen width=1",
                            "roundrect 150,220 250,275 20,20",
                            "text 270,215 \"e\"",
                            "text 160,225 \"a := 1;\"",
                            "text 270,230 \"t2\"",
                            "text 160,240 \"b := 2;\"",
                            "roundrect 150,320 300,360 40,40",
                            "text 185,330 \"END SHEMA\"",
                        }));
}

TEST(TextBlocks, BeginProcessAndExceptAreRectanglesWithBrokenLines)
{
    for (const char* kind : {"begin", "procces", "except"}) {
        Fixture f(kMono);
        f.c.ws.settings.beginTextWidth = "20";
        f.c.placed(kind, 100, 200, 30, 0).comment = "b";
        f.c.text("abcdefgh");
        f.c.text("xy");
        EXPECT_EQ(f.draw(), (QStringList{
                                "pen width=1",
                                "rect 150,220 230,260",
                                "text 240,225 \"b\"",
                                "text 160,225 \"abcde\"",
                                "text 160,240 \"fgh\"",
                                "text 160,255 \"xy\"",
                            }))
            << kind;
    }
}

TEST(TextBlocks, VarAndHeaderKeepThePenAndDrawTheBoxFirst)
{
    Fixture f(kColour);
    f.c.placed("header", 100, 100, 0, -15).comment = "h";
    f.c.text("procedure p;");
    f.c.placed("var", 100, 200, 0, -15);
    f.c.text("i: integer;").comment = "v";
    EXPECT_EQ(f.draw(), (QStringList{
                            "roundrect 150,120 200,145 20,40",
                            "text 210,125 \"h\"",
                            "text 160,125 \"procedure p;\"",
                            "roundrect 150,220 300,245 40,40",
                            "text 310,225 \"v\"",
                            "text 160,225 \"i: integer;\"",
                        }));
}

TEST(OtherBlocks, BreakAndExitIgnoreTheirStretch)
{
    Fixture f(kColour);
    f.c.placed("break", 100, 200, 40, 40).comment = "b";
    f.c.placed("exit", 100, 300);
    EXPECT_EQ(f.draw(), (QStringList{
                            "text 250,215 \"b\"",
                            "pen width=2",
                            kMaroon,
                            "polygon 150,220 175,220 200,240 175,260 150,260",
                            "pen color=0",
                            "text 155,230 \"break\"",
                            "pen width=2",
                            "pen color=32768",
                            "polygon 150,320 175,320 200,340 175,360 150,360",
                            "pen color=0",
                            "text 155,330 \"exit\"",
                        }));
}

TEST(Comments, OnlyDrawnRowsWithCommentsOnShowThem)
{
    Fixture off(kMono);
    off.c.ws.settings.drawComments = false;
    off.c.placed("goto", 100, 200, 0, 0, QStringLiteral("l")).comment = "g";
    EXPECT_FALSE(off.draw().join(u'\n').contains(QStringLiteral("\"g\"")));

    Fixture closing(kMono);
    closing.c.placed("repeat", 100, 200);
    closing.c.closing().comment = "not drawn";
    EXPECT_FALSE(closing.draw().join(u'\n').contains(QStringLiteral("not drawn")));
}

TEST(Palette, SixteenColoursThenBlackAgain)
{
    ChartBuilder c;
    for (int i = 0; i < 18; ++i) c.placed("break", 100, 100 * i);
    c.draw();
    QStringList given;
    const QStringList l = c.lines();
    for (int i = 0; i + 1 < l.size(); ++i)
        if (l[i] == QStringLiteral("pen width=2")) given << l[i + 1].mid(10);
    EXPECT_EQ(given, (QStringList{"0", "128", "32768", "32896", "8388608", "8388736", "8421376", "255", "65280",
                                  "65535", "16711680", "16711935", "16776960", "12639424", "15780518",
                                  QString::number(c.ws.palette.colours[15]), "0", "128"}));
    EXPECT_EQ(c.ws.palette.next, 2);
}

TEST(DrawingPass, ImageHeightReachesBelowTheLastBlock)
{
    ChartBuilder c;
    c.placed("repeat", 100, 0);
    c.placed("end shema", 100, 430);
    c.closing();
    c.draw();
    EXPECT_EQ(c.ws.diagram.height(), 530);
    c.ws.settings.addLegend = true;
    c.draw();
    EXPECT_EQ(c.ws.diagram.height(), 630);
}

TEST(DrawingPass, FirstPartEndsAfterTheBlockBelowTheCut)
{
    ChartBuilder c;
    c.placed("repeat", 100, 0);   // nom 0
    c.placed("repeat", 100, 60);  // nom 1
    c.closing();                  // nom 2: the cut
    c.placed("repeat", 100, 120); // nom 3: drawn at the foot of part 1
    c.placed("repeat", 100, 180); // nom 4: part 2
    c.placed("end shema", 100, 240);
    c.part = ChartPart{1, 1, 2, 0};
    c.ws.settings.colourMode = false;
    EXPECT_TRUE(c.draw());
    const QStringList l = c.lines();
    EXPECT_EQ(c.ws.diagram.height(), 220);
    EXPECT_TRUE(l.contains(QStringLiteral("polygon 150,140 250,140 200,180")));
    EXPECT_FALSE(l.contains(QStringLiteral("polygon 150,200 250,200 200,240")));
    EXPECT_TRUE(l.contains(QStringLiteral("text 50,10 \"PAT I\"")));
}

TEST(DrawingPass, SecondPartStartsAfterTheCutAtTheTop)
{
    ChartBuilder c;
    c.placed("repeat", 100, 0);
    c.closing();                 // nom 1: the cut
    c.text("x");                 // nom 2: y 0, passed over
    c.placed("repeat", 100, 60); // nom 3: moves to the top
    c.placed("end shema", 100, 60);
    c.part = ChartPart{2, 1, 1, 0};
    c.ws.settings.colourMode = false;
    c.draw();
    EXPECT_EQ(val(c.row(3).y), 0);
    EXPECT_EQ(c.lines(), (QStringList{
                             "pen width=1",
                             "polygon 150,20 250,20 200,60",
                             "text 180,25 \"repeat\"",
                             "roundrect 150,80 300,120 40,40",
                             "text 185,90 \"END SHEMA\"",
                         }));
}

TEST(DrawingPass, MiddlePartOfThreeEndsAfterTheSecondCutWithItsMark)
{
    ChartBuilder c;
    c.placed("repeat", 100, 0);   // nom 0: part 1
    c.closing();                  // nom 1: first cut
    c.placed("repeat", 100, 60);  // nom 2: top of part 2
    c.closing();                  // nom 3: second cut
    c.placed("repeat", 100, 60);  // nom 4: foot of part 2, top of part 3
    c.placed("repeat", 100, 120); // nom 5: part 3 only
    c.placed("end shema", 100, 180);
    c.part = ChartPart{2, 2, 1, 3};
    c.ws.settings.colourMode = false;
    c.draw();
    const QStringList l = c.lines();
    EXPECT_EQ(l.mid(0, 5), (QStringList{
                               "pen width=1",
                               "polygon 150,20 250,20 200,60",
                               "text 180,25 \"repeat\"",
                               "polygon 150,80 250,80 200,120",
                               "text 180,85 \"repeat\"",
                           }));
    EXPECT_EQ(l.value(5), QStringLiteral("text 50,10 \"PAT II\""));
    EXPECT_FALSE(l.contains(QStringLiteral("polygon 150,140 250,140 200,180")));
}

} // namespace
} // namespace vexoria::test
