// The arrow animation's ticks on small tables: how heads run their routes,
// how cross marks blink, and what the view paints over the picture.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "anim/AnimationTick.h"
#include "anim/AnimationOverlay.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/RecordingCanvas.h"
#include "platform/text/TextCodec.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

namespace vexoria::test {
namespace {

ConnectionRow route(int kind, std::initializer_list<int> points, Colour colour = 0)
{
    ConnectionRow r;
    r.n = 1;
    r.kind = kind;
    r.color = static_cast<int>(colour);
    IntField* fields[] = {&r.x1, &r.y1, &r.x2, &r.y2, &r.x3, &r.y3, &r.x4, &r.y4, &r.x5, &r.y5};
    int i = 0;
    for (int p : points) *fields[i++] = p;
    return r;
}

class AnimateTest : public ::testing::Test {
protected:
    ConnectionTable t;
    int animStep = 0;

    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i) animationTick(t, animStep);
    }
    Head shown(int row = 0) const { return {t.at(row).shown.a, t.at(row).shown.b, t.at(row).shown.c}; }
};

TEST_F(AnimateTest, AForLoopExitRunsLeftDownRightAndStartsAgain)
{
    t.append(route(4, {300, 100, 200, 100, 200, 200, 300, 200}, rgb(200, 0, 0)));

    tick();
    EXPECT_EQ(shown(), headAt(HeadShape::Left, 300, 100)); // drawn at the start...
    EXPECT_EQ(val(t.at(0).animX2), 283);                   // ...stored one step on
    EXPECT_EQ(t.at(0).shown.colour, rgb(200, 0, 0));

    tick(8);
    EXPECT_EQ(shown().b, QPoint(213, 100));
    // The tick in which the tip passes x 200 turns the head down at P2.
    tick();
    EXPECT_EQ(shown(), headAt(HeadShape::Down, 200, 100));
    tick();
    EXPECT_EQ(shown().b, QPoint(200, 117));
    // Down the lane to P3, where it turns right.
    tick(8);
    EXPECT_EQ(shown(), headAt(HeadShape::Right, 200, 200));
    tick(8);
    EXPECT_EQ(shown().b, QPoint(288, 200));
    // Within 10 pixels of x 300 on y 200 it starts again.
    tick();
    EXPECT_EQ(shown(), headAt(HeadShape::Left, 300, 100));
}

TEST_F(AnimateTest, ExitsAndBreaksBackToAnEnclosingLoopRunUpTheirLane)
{
    // A loop exit into the enclosing loop's test: left, up, right.
    t.append(route(5, {300, 200, 200, 200, 200, 100, 350, 100}));
    // A break into it: right, up, left.
    t.append(route(11, {400, 200, 600, 200, 600, 100, 350, 100}));
    // Each turns up at its lane's foot, runs up it, turns at its top and
    // reaches its end, where it starts again: never stuck on a corner.
    struct Seen {
        bool upAtFoot = false, upTheLane = false, turnedAtTop = false, restarted = false;
    } seen[2];
    const HeadShape along[2] = {HeadShape::Right, HeadShape::Left};
    const QPoint start[2] = {{300, 200}, {400, 200}};
    const int lane[2] = {200, 600};
    for (int i = 0; i < 120; ++i) {
        tick();
        for (int k = 0; k < 2; ++k) {
            const Head h = shown(k);
            if (h == headAt(HeadShape::Up, lane[k], 200)) seen[k].upAtFoot = true;
            if (h.b.x() == lane[k] && h.b.y() < 190 && h.b.y() > 110) seen[k].upTheLane = true;
            if (h == headAt(along[k], lane[k], 100)) seen[k].turnedAtTop = true;
            if (seen[k].turnedAtTop && h == headAt(k == 0 ? HeadShape::Left : HeadShape::Right, start[k].x(), 200))
                seen[k].restarted = true;
        }
    }
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(seen[k].upAtFoot);
        EXPECT_TRUE(seen[k].upTheLane);
        EXPECT_TRUE(seen[k].turnedAtTop);
        EXPECT_TRUE(seen[k].restarted);
    }
}

TEST_F(AnimateTest, ACrossMarkBlinksOnTheLastFiveTicksOfEachCycle)
{
    t.append(route(0, {350, 60, 350, 100}));
    QString seen;
    for (int i = 0; i < 55; ++i) {
        tick();
        seen += t.at(0).shown.colour == 0 ? u'k' : (t.at(0).shown.colour == kBlinkGreen ? u'g' : u'?');
    }
    const QString expected = QString(20, u'k') + "gkgk" + QString(21, u'g') + "kgkg" + QString(6, u'k');
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(animStep, 5);
}

TEST_F(AnimateTest, HeadsStartOnTheFirstTickAndRowsWithoutARouteStayStill)
{
    t.append(route(1, {350, 40, 350, 80}));
    t.append(route(12, {350, 80, 350, 120}));
    t.append(route(10, {150, 285})); // a case exit in label form
    t.append(route(7, {400, 300, 400, 310, 480, 310, 480, 150, 420, 150}));
    t.append(route(8, {300, 100, 250, 100, 250, 300, 320, 300}));
    tick();
    EXPECT_EQ(shown(0), (Head{{345, 42}, {350, 47}, {355, 42}}));
    EXPECT_EQ(val(t.at(0).animY2), 49); // stored 2 pixels lower
    EXPECT_FALSE(t.at(1).shown.on);
    EXPECT_FALSE(t.at(1).animY2.has_value());
    EXPECT_FALSE(t.at(2).shown.on);
    EXPECT_EQ(shown(3), headAt(HeadShape::Right, 400, 310)); // a loop return starts at P2
    EXPECT_EQ(shown(4), headAt(HeadShape::Left, 320, 300));  // a repeat return at P4
}

// Every head of a real chart comes back to its start: no route leaves a
// head stuck on the way for the geometry routing makes.
TEST_F(AnimateTest, EveryHeadOfTheSampleChartsComesBackToItsStart)
{
    const QDir dir(QStringLiteral(VEXORIA_TEST_DATA "/connect"));
    for (const QString& name : dir.entryList({QStringLiteral("*.pas")}, QDir::Files, QDir::Name)) {
        SCOPED_TRACE(name.toStdString());
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        Workspace ws;
        ScriptedPrompter prompter;
        ws.prompter = &prompter;
        ws.codeText = toCrLf(decodeCodeText(f.readAll()));
        classifyCode(ws);
        ASSERT_TRUE(drawChart(ws));

        std::vector<Head> starts;
        int step = 0;
        animationTick(ws.connections, step, ws.pictureConnectionsFrom);
        for (const ConnectionRow& r : ws.connections.rows()) starts.push_back({r.shown.a, r.shown.b, r.shown.c});
        std::vector<int> returns(starts.size(), 0);
        for (int i = 0; i < 400; ++i) {
            animationTick(ws.connections, step, ws.pictureConnectionsFrom);
            for (int k = 0; k < ws.connections.size(); ++k) {
                const ConnectionRow& r = ws.connections.at(k);
                if (Head{r.shown.a, r.shown.b, r.shown.c} == starts[static_cast<std::size_t>(k)])
                    ++returns[static_cast<std::size_t>(k)];
            }
        }
        for (int k = 0; k < ws.connections.size(); ++k) {
            const ConnectionRow& r = ws.connections.at(k);
            const int kind = val(r.kind);
            if (kind == 0 || (kind == 10 && !r.x2)) continue;
            EXPECT_GE(returns[static_cast<std::size_t>(k)], 2) << "row " << k << " vid " << kind;
        }
    }
}

TEST_F(AnimateTest, RowsOfEarlierPartsOfAChartAreNeitherMovedNorPainted)
{
    t.append(route(1, {350, 40, 350, 80}));
    t.append(route(1, {350, 40, 350, 80}));
    animationTick(t, animStep, 1);
    EXPECT_FALSE(t.at(0).shown.on);
    EXPECT_FALSE(t.at(0).animY2.has_value());
    EXPECT_TRUE(t.at(1).shown.on);
    tick(); // the earlier part's row now shows as well
    RecordingCanvas canvas;
    paintAnimation(canvas, t, QRect(0, 0, 700, 200), false, 1);
    EXPECT_EQ(canvas.lines().filter(QStringLiteral("polygon")).size(), 1);
}

TEST_F(AnimateTest, TheViewPaintsOnlyWhatMeetsTheAreaWithThePenOfTheColourMode)
{
    t.append(route(0, {350, 60, 350, 100}));
    t.append(route(2, {350, 500, 350, 560}, rgb(0, 0, 255)));
    tick();
    RecordingCanvas canvas;
    paintAnimation(canvas, t, QRect(0, 0, 700, 200), true);
    EXPECT_EQ(canvas.lines(), (QStringList{"pen width=2", "pen style=solid", "pen color=0", "polyline 350,60 350,100",
                                           "polyline 370,100 350,90 330,100", "polyline 370,80 350,90 330,80"}));
    canvas.clearLines();
    paintAnimation(canvas, t, QRect(0, 480, 700, 200), false);
    EXPECT_EQ(canvas.lines(),
              (QStringList{"pen width=1", "pen style=solid", QStringLiteral("pen color=%1").arg(rgb(0, 0, 255)),
                           QStringLiteral("brush color=%1").arg(rgb(0, 0, 255)), "polygon 345,502 350,507 355,502"}));
}

} // namespace
} // namespace vexoria::test
