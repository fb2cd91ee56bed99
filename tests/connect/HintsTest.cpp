// Hints on the lanes of side connections, and the user's comments and
// eraser on the chart's picture.
#include <gtest/gtest.h>

#include <QImage>

#include "connect/Annotations.h"
#include "connect/Hints.h"
#include "platform/drawing/Diagram.h"
#include "platform/drawing/QImageCanvas.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

class HintsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        block("if", 5, "a > b");
        block("while", 8, "i < n");
        block("for", 15, "i := 1 to n");
        block("case", 20, "k");
        block("exit", 25, "");
        block("repeat", 12, "");
        StatementRow until;
        until.kind = "until";
        until.drawOrder = 14;
        until.link = 12;
        until.closedKind = "repeat";
        until.headText = "x = 0";
        s.append(until);
    }

    void block(const char* kind, int drawOrder, const char* headText)
    {
        StatementRow r;
        r.kind = kind;
        r.drawOrder = drawOrder;
        r.opensBlock = true;
        r.headText = QString::fromUtf8(headText);
        s.append(r);
    }

    void line(int kind, const char* ownerKind, int drawOrder, std::initializer_list<int> points)
    {
        ConnectionRow r;
        r.kind = kind;
        r.ownerKind = ownerKind;
        r.ownerDrawOrder = drawOrder;
        IntField* fields[] = {&r.x1, &r.y1, &r.x2, &r.y2, &r.x3, &r.y3, &r.x4, &r.y4, &r.x5, &r.y5};
        int i = 0;
        for (int p : points) *fields[i++] = p;
        c.append(r);
    }

    QString hint(int x, int y) const { return hintAt(c, s, {x, y}).value_or(QStringLiteral("-")); }

    StatementTable s;
    ConnectionTable c;
};

TEST_F(HintsTest, EachLaneKindNamesTheBlockAndConditionItBelongsTo)
{
    line(6, "if", 5, {400, 100, 480, 100, 480, 300, 350, 300});
    line(4, "for", 15, {300, 400, 220, 400, 220, 500, 350, 500});
    line(5, "while", 8, {300, 600, 230, 600, 230, 700, 350, 700});
    line(9, "case", 20, {300, 800, 210, 800, 210, 900, 350, 900});
    line(11, "exit", 25, {400, 1000, 490, 1000, 490, 1100, 350, 1100});
    line(7, "while", 8, {350, 710, 350, 720, 500, 720, 500, 600, 400, 600});
    line(8, "repeat", 12, {300, 1200, 240, 1200, 240, 1300, 320, 1300});

    EXPECT_EQ(hint(480, 200), "if a > b");
    EXPECT_EQ(hint(220, 450), "for i := 1 to n");
    EXPECT_EQ(hint(230, 650), "while i < n");
    EXPECT_EQ(hint(210, 850), "case k");
    EXPECT_EQ(hint(490, 1050), "exit ");
    EXPECT_EQ(hint(500, 650), "while i < n");  // the loop's return lane
    EXPECT_EQ(hint(240, 1250), "until x = 0"); // a repeat loop shows its until

    // Within 7 pixels either side of the lane, from one end to the other.
    EXPECT_EQ(hint(473, 100), "if a > b");
    EXPECT_EQ(hint(487, 300), "if a > b");
    EXPECT_EQ(hint(472, 200), "-");
    EXPECT_EQ(hint(488, 200), "-");
    EXPECT_EQ(hint(480, 99), "-");
    EXPECT_EQ(hint(480, 301), "-");
}

TEST_F(HintsTest, LinesWithoutALaneAndOwnersThatCannotBeFoundGiveNoHint)
{
    line(0, "if", 5, {480, 100, 480, 300});
    line(1, "if", 5, {480, 100, 480, 300});
    line(2, "if", 5, {480, 100, 480, 300});
    line(3, "for", 15, {480, 100, 480, 300});
    line(10, "if", 5, {480, 200, 400, 200});
    line(6, "if", 99, {400, 100, 480, 100, 480, 300, 350, 300});
    EXPECT_EQ(hint(480, 200), "-");
}

TEST_F(HintsTest, WhenLanesOverlapTheLastRowsHintIsGiven)
{
    line(6, "if", 5, {400, 100, 480, 100, 480, 300, 350, 300});
    line(11, "exit", 25, {400, 150, 484, 150, 484, 350, 350, 350});
    EXPECT_EQ(hint(482, 200), "exit ");
    EXPECT_EQ(hint(482, 120), "if a > b");
}

TEST(HintBox, StandsBesideThePointerOnTheSideWithRoomAndInsideThePicture)
{
    const QSize box(177, 89), picture(700, 3000);
    EXPECT_EQ(hintBoxPlace({200, 500}, box, picture), QPoint(212, 456));
    EXPECT_EQ(hintBoxPlace({500, 500}, box, picture), QPoint(311, 456));
    EXPECT_EQ(hintBoxPlace({200, 10}, box, picture), QPoint(212, 0));
    EXPECT_EQ(hintBoxPlace({690, 2995}, box, picture), QPoint(501, 2911));
}

int darkPixels(const QImage& img, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += qGray(img.pixel(x, y)) < 128 ? 1 : 0;
    return n;
}

TEST(Annotations, ACommentIsWrittenOnThePictureAndTheEraserTakesItAway)
{
    Diagram d;
    d.setHeight(200);
    ASSERT_TRUE(d.makeWhiteImage());
    Canvas& canvas = d.canvas();
    canvas.polyline({{0, 90}, {700, 90}});
    canvas.setPenColour(rgb(0, 0, 255));
    canvas.setBrushColour(rgb(0, 255, 0));

    drawComment(canvas, {100, 50}, QStringLiteral("Проверка"));
    const QRect text(100, 50, canvas.textWidth(QStringLiteral("Проверка")), 13);
    EXPECT_GT(darkPixels(d.image(), text), 20);
    EXPECT_EQ(d.image().pixel(text.left(), text.top()), qRgb(255, 255, 255)); // opaque on white
    EXPECT_EQ(canvas.brushColour(), rgb(0, 255, 0));

    // One quick stroke across the whole text leaves nothing between the
    // places the pointer was reported at.
    eraseStroke(canvas, {98, 57}, {100 + text.width() + 3, 57});
    EXPECT_EQ(darkPixels(d.image(), text), 0);
    EXPECT_EQ(darkPixels(d.image(), QRect(0, 90, 700, 1)), 700); // below the strip
    EXPECT_EQ(canvas.penColour(), rgb(0, 0, 255));
    EXPECT_EQ(canvas.brushColour(), rgb(0, 255, 0));

    // The strip is 5 by 20, centred on the pointer.
    eraseStroke(canvas, {300, 90}, {300, 90});
    EXPECT_EQ(darkPixels(d.image(), QRect(0, 90, 700, 1)), 695);
    EXPECT_EQ(darkPixels(d.image(), QRect(298, 90, 5, 1)), 0);
}

} // namespace
} // namespace vexoria::test
