// Block sizing: stretch and origin of every kind, text block line counting
// and wrapping, and the length check.
#include <gtest/gtest.h>

#include "ChartBuilder.h"
#include "pipeline/Pipeline.h"
#include "platform/text/ConversionError.h"

namespace vexoria::test {
namespace {

struct Placed {
    int x, y, stretchX, stretchY;
    bool operator==(const Placed&) const = default;
};
void PrintTo(const Placed& p, std::ostream* os)
{
    *os << "x=" << p.x << " y=" << p.y << " plx=" << p.stretchX << " ply=" << p.stretchY;
}
Placed placedOf(const StatementRow& r) { return {val(r.x), val(r.y), val(r.stretchX), val(r.stretchY)}; }

TEST(TextBlockSizing, DeclarationLinesSetTheHeight)
{
    ChartBuilder one;
    one.block("var");
    one.text("i: integer;");
    one.block("begin");
    one.ws.settings.varTextWidth = "260";
    one.size();
    // One line: 15 lower than the template; 55 + 15 fits the width of 150.
    EXPECT_EQ(placedOf(one.row(0)), (Placed{225, 0, 0, -15}));
    // The next block starts at the foot of the shortened box.
    EXPECT_EQ(val(one.row(2).y), 45);

    ChartBuilder three;
    three.block("var");
    three.text("i: integer;");
    three.text("j: integer;");
    three.text("k: integer;");
    three.block("begin");
    three.size();
    EXPECT_EQ(val(three.row(0).stretchY), 15);
    EXPECT_EQ(val(three.row(4).y), 75);

    ChartBuilder none;
    none.block("begin");
    none.block("end shema");
    none.size();
    EXPECT_EQ(val(none.row(0).stretchY), -30);
    EXPECT_EQ(val(none.row(1).y), 30);
}

TEST(TextBlockSizing, LineAtTheLimitIsKeptAndOnePixelMoreIsBroken)
{
    ChartBuilder at;
    at.ws.settings.beginTextWidth = "260";
    at.block("begin");
    at.text(chars(52)); // 260 pixels
    at.size();
    EXPECT_EQ(placedOf(at.row(0)), (Placed{350 - 50 - 137, 0, 275 - 50, -15}));

    ChartBuilder over;
    over.ws.settings.beginTextWidth = "259";
    over.block("begin");
    over.text(chars(52));
    over.size();
    // ceil(260 / 259) = 2 lines; the box is the limit plus 20 wide.
    EXPECT_EQ(placedOf(over.row(0)), (Placed{350 - 50 - 139, 0, 259 + 20 - 50, 0}));
}

TEST(TextBlockSizing, WrappedWidthIgnoresTheOtherLinesAndMayBeNarrowerThanTheTemplate)
{
    ChartBuilder c;
    c.ws.settings.varTextWidth = "50";
    c.block("var");
    c.text(chars(11)); // 55 > 50: broken
    c.text(chars(10)); // 50: kept, but the broken line decides the width
    c.size();
    // 2 + 1 lines; width 50 + 20 = 70 although the template is 150 wide.
    EXPECT_EQ(placedOf(c.row(0)), (Placed{350 - 50 - 35, 0, 70 - 150, 15}));
}

TEST(TextBlockSizing, RunsOfTextEndWhereEachKindSays)
{
    // Statement lines end at a closing row; declarations only at an empty line.
    ChartBuilder c;
    c.block("procces");
    c.text("a := 1;");
    c.closing("end;");
    c.text("b := 2;");
    c.block("var");
    c.text("x: integer;");
    c.closing("end;");
    c.block("end shema");
    c.size();
    EXPECT_EQ(val(c.row(0).stretchY), -15);
    EXPECT_EQ(val(c.row(4).stretchY), 0);
}

TEST(ConditionSizing, HeightFollowsTheConditionWidth)
{
    ChartBuilder c;
    c.block("if", chars(11)); // 55 wide: t = 100 = D
    c.block("if");            // empty: t = 45
    c.block("if", chars(60)); // 300 > ifWidthEdit 200: capped width
    c.block("end shema");
    c.size();
    EXPECT_EQ(placedOf(c.row(0)), (Placed{350 - 50 - 50, 0, 0, 15}));
    EXPECT_EQ(placedOf(c.row(1)), (Placed{250, 75, 0, 6}));
    // plx = 200 + 65 - 100; ply = trunc(345 / 100 * 15) = 51.
    EXPECT_EQ(placedOf(c.row(2)), (Placed{350 - 50 - 132, 141, 165, 51}));
    EXPECT_EQ(val(c.row(3).y), 141 + 51 + 60);
}

TEST(ConditionSizing, ForWithAndTryUseTheirOwnCaps)
{
    ChartBuilder c;
    c.ws.settings.forTextWidth = "200";
    c.ws.settings.beginTextWidth = "260";
    c.block("for", chars(10));  // w 50, t 95 > D 50
    c.block("for", chars(41));  // w 205 > forWidthEdit
    c.block("with", chars(40)); // w 200: not above beginWidthEdit - 20
    c.block("with", chars(49)); // w 245: capped at forWidthEdit + 85
    c.block("try", chars(11));
    c.block("end shema");
    c.size();
    EXPECT_EQ(placedOf(c.row(0)), (Placed{350 - 50 - 47, 0, 45, 28}));
    EXPECT_EQ(val(c.row(1).stretchX), 200 + 65 - 50);
    EXPECT_EQ(val(c.row(2).stretchX), 245 - 75);
    EXPECT_EQ(val(c.row(3).stretchX), 200 + 85 - 75);
    EXPECT_EQ(placedOf(c.row(4)).stretchY, 15);
    // for steps by ply + 70, with and try by ply + 40 and + 60.
    EXPECT_EQ(val(c.row(1).y), 28 + 70);
}

TEST(ConditionSizing, WhileWidensItsFlatTop)
{
    ChartBuilder c;
    c.ws.settings.whileTextWidth = "250";
    c.block("while", chars(14)); // w 70: 75 >= 75, no stretch
    c.block("while", chars(29)); // w 145: plx 75, ply trunc(150 / 75 * 5) = 10
    c.block("while", chars(60)); // w 300 > 250: plx 265 - 75, ply 20
    c.block("end shema");
    c.size();
    EXPECT_EQ(placedOf(c.row(0)), (Placed{350 - 50 - 62, 0, 0, 0}));
    EXPECT_EQ(placedOf(c.row(1)), (Placed{350 - 50 - 100, 60, 75, 10}));
    EXPECT_EQ(placedOf(c.row(2)), (Placed{350 - 50 - 157, 130, 190, 20}));
    EXPECT_EQ(val(c.row(3).y), 210);
}

TEST(OtherKindsSizing, WidthsAndSteps)
{
    ChartBuilder c;
    c.block("case", chars(10));   // 65 > 50: plx 15, step 80
    c.block("goto", chars(1));    // 20 < 50: template, step 60
    c.block("mylabel", chars(9)); // 60: plx 10
    c.block("until", chars(9));   // step 60
    c.block("repeat");            // 100 wide, step 60
    c.block("break");             // 50 wide, step 60
    c.block("exit");
    c.closing();
    c.block("end shema"); // 150 wide
    c.size();
    EXPECT_EQ(placedOf(c.row(0)), (Placed{350 - 50 - 32, 0, 15, 0}));
    EXPECT_EQ(placedOf(c.row(1)), (Placed{275, 80, 0, 0}));
    EXPECT_EQ(placedOf(c.row(2)), (Placed{270, 140, 10, 0}));
    EXPECT_EQ(placedOf(c.row(3)), (Placed{270, 200, 10, 0}));
    EXPECT_EQ(placedOf(c.row(4)), (Placed{250, 260, 0, 0}));
    EXPECT_EQ(placedOf(c.row(5)), (Placed{275, 320, 0, 0}));
    EXPECT_EQ(placedOf(c.row(6)), (Placed{275, 380, 0, 0}));
    // The closing row is not placed.
    EXPECT_FALSE(c.row(7).y.has_value());
    EXPECT_EQ(placedOf(c.row(8)), (Placed{225, 440, 0, 0}));
}

TEST(OtherKindsSizing, RowsWithoutTemplateAreSkipped)
{
    ChartBuilder c;
    c.block("IF", chars(3));
    c.block("end shema");
    c.size();
    EXPECT_FALSE(c.row(0).y.has_value());
    EXPECT_EQ(val(c.row(1).y), 0);
}

// Three repeat blocks make a chart 180 pixels long.
ChartBuilder& longChart(ChartBuilder& c, const char* maxLength)
{
    c.ws.settings.maxChartLength = maxLength;
    c.block("repeat");
    c.block("repeat");
    c.block("repeat");
    c.block("end shema");
    return c;
}

TEST(LengthCheck, ChartShorterThanTheMaximumGoesOn)
{
    ChartBuilder c;
    const LengthVerdict v = longChart(c, "181").sizeAndCheck();
    EXPECT_TRUE(c.prompter.questions().empty());
    EXPECT_EQ(v.outcome, LengthVerdict::Fits);
    EXPECT_EQ(v.extraParts, 0);
}

TEST(LengthCheck, ChartAsLongAsTheMaximumAsksForTwoParts)
{
    ChartBuilder c;
    c.prompter.script(Answer::No);
    const LengthVerdict v = longChart(c, "180").sizeAndCheck();
    ASSERT_EQ(c.prompter.questions().size(), 1u);
    const auto& q = c.prompter.questions()[0];
    EXPECT_EQ(q.title, QStringLiteral("Длинна превышенна"));
    EXPECT_EQ(q.text, QStringLiteral("Построить за 2 раза"));
    EXPECT_EQ(q.buttons, Buttons::YesNoCancel);
    EXPECT_EQ(q.icon, Icon::Question);
    EXPECT_EQ(v.extraParts, 1);
    // No: the whole chart is drawn.
    EXPECT_EQ(v.outcome, LengthVerdict::Whole);
}

TEST(LengthCheck, CancelStopsAndYesBuildsInParts)
{
    ChartBuilder cancel;
    cancel.prompter.script(Answer::Cancel);
    const LengthVerdict cancelled = longChart(cancel, "62").sizeAndCheck(); // 2.9 times
    ASSERT_EQ(cancel.prompter.questions().size(), 1u);
    EXPECT_EQ(cancel.prompter.questions()[0].text, QStringLiteral("Построить за 3 раза"));
    EXPECT_EQ(cancelled.outcome, LengthVerdict::Stop);

    ChartBuilder yes;
    yes.prompter.script(Answer::Yes);
    const LengthVerdict inParts = longChart(yes, "100").sizeAndCheck();
    EXPECT_EQ(inParts.outcome, LengthVerdict::InParts);
    EXPECT_EQ(inParts.extraParts, 1);
}

TEST(LengthCheck, FourPartsOrMoreAreRefusedWithoutAQuestion)
{
    ChartBuilder c;
    const LengthVerdict v = longChart(c, "60").sizeAndCheck(); // exactly three times
    EXPECT_TRUE(c.prompter.questions().empty());
    ASSERT_EQ(c.prompter.messages().size(), 1);
    EXPECT_EQ(c.prompter.messages()[0],
              QStringLiteral("Данная версия подерживает только 3 вложения\rНевозможно построить Блок-Схему"));
    EXPECT_EQ(v.extraParts, 3);
    EXPECT_EQ(v.outcome, LengthVerdict::Stop);
}

TEST(SizingSettings, BadOrZeroSettingsStopTheBuild)
{
    ChartBuilder word;
    word.ws.settings.varTextWidth = "abc";
    word.block("var");
    word.text("x");
    EXPECT_THROW(word.size(), ConversionError);

    // A limit of 0 would be divided by: refused like a bad number.
    ChartBuilder zero;
    zero.ws.settings.beginTextWidth = "0";
    zero.block("begin");
    zero.text("x");
    EXPECT_THROW(zero.size(), ConversionError);

    ChartBuilder zeroLength;
    EXPECT_THROW(longChart(zeroLength, "0").sizeAndCheck(), ConversionError);

    // A limit is read only where a rule needs it.
    ChartBuilder unused;
    unused.ws.settings.ifTextWidth = "abc";
    unused.block("if", chars(2));
    unused.block("end shema");
    EXPECT_NO_THROW(unused.size());
}

} // namespace
} // namespace vexoria::test
