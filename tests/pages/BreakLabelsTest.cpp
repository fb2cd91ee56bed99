// Break labels on the recording canvas (5 pixels a character): a tag above
// and below every page break a connection's lane crosses.
#include <gtest/gtest.h>

#include "pages/BreakLabels.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/RecordingCanvas.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

struct Labels {
    Workspace ws;
    RecordingCanvas canvas{RecordingCanvas::fixedMetric(5)};

    explicit Labels(int height)
    {
        ws.canvasOverride = &canvas;
        ws.diagram.setHeight(height);
        placePageMarkers(ws);
    }
    // A connection row with the points that matter to the labels.
    void line(int n, int kind, const char* ownerKind, int y1, int y3, int y5, int x2 = 100, int x4 = 600)
    {
        ConnectionRow r;
        r.n = n;
        r.kind = kind;
        r.ownerKind = ownerKind;
        r.x2 = x2;
        r.x4 = x4;
        r.y1 = y1;
        r.y3 = y3;
        r.y5 = y5;
        ws.connections.append(r);
    }
    QStringList texts()
    {
        QStringList out;
        for (const QString& l : canvas.lines())
            if (l.startsWith(QLatin1String("text"))) out << l;
        return out;
    }
};

TEST(BreakLabels, ALoopReturnIsTaggedAboveAndBelowTheBreakItCrosses)
{
    Labels t(3000);
    t.line(3, 7, "while", 1500, 0, 900);
    writeBreakLabels(t.ws.connections, t.ws.pictureConnectionsFrom, t.ws.pageMarkers, t.canvas);
    // "while3" is 30 pixels wide: centred on x4 = 600.
    EXPECT_EQ(t.texts(), QStringList({R"(text 585,1032 "while3")", R"(text 585,1048 "while3")"}));
}

TEST(BreakLabels, BoundsAreInclusiveAndOnlyLanesThatCrossAreTagged)
{
    Labels t(3000);
    t.line(1, 4, "for", 1000, 1040, 0);       // ends on the break: tagged
    t.line(2, 7, "while", 900, 0, 1500);      // a loop return that runs down: not
    t.line(3, 6, "if", 1050, 1200, 0);        // starts below the break
    t.line(4, 6, "if", 800, 1000, 0);         // ends above it
    t.line(5, 1, "procces", 1000, 1100, 0);   // a straight line is never tagged
    t.line(6, 11, "exit", 500, 2500, 0, 640); // crosses two breaks: two pairs
    writeBreakLabels(t.ws.connections, t.ws.pictureConnectionsFrom, t.ws.pageMarkers, t.canvas);
    EXPECT_EQ(t.texts(), QStringList({
                             R"(text 90,1032 "for1")",
                             R"(text 90,1048 "for1")",
                             R"(text 628,1032 "exit6")",
                             R"(text 628,1048 "exit6")",
                             R"(text 628,2072 "exit6")",
                             R"(text 628,2088 "exit6")",
                         }));
}

TEST(BreakLabels, ExitsUpToAnEnclosingLoopAreTaggedToo)
{
    Labels t(3000);
    t.line(1, 5, "while", 1500, 900, 0);        // a loop exit back up to an enclosing loop's test
    t.line(2, 11, "break", 1200, 1000, 0, 640); // a break up to one
    t.line(3, 4, "for", 1200, 1100, 0);         // up, but not across the break
    writeBreakLabels(t.ws.connections, t.ws.pictureConnectionsFrom, t.ws.pageMarkers, t.canvas);
    EXPECT_EQ(t.texts(), QStringList({R"(text 85,1032 "while1")", R"(text 85,1048 "while1")",
                                      R"(text 625,1032 "break2")", R"(text 625,1048 "break2")"}));
}

TEST(BreakLabels, OnlyTheLinesOfThePartOnShowAreLabelled)
{
    Labels t(3000);
    t.line(1, 7, "while", 1500, 0, 900); // a line of part 1
    t.ws.pictureConnectionsFrom = 1;
    t.line(1, 4, "for", 1000, 1040, 0);
    writeBreakLabels(t.ws.connections, t.ws.pictureConnectionsFrom, t.ws.pageMarkers, t.canvas);
    EXPECT_EQ(t.texts(), QStringList({R"(text 90,1032 "for1")", R"(text 90,1048 "for1")"}));
}

TEST(BreakLabels, HiddenMarkersLabelTooAndTheCommandDrawsOnWhite)
{
    Labels t(3000);
    t.ws.pageMarkers.hideAll();
    t.line(1, 9, "case", 1000, 1100, 0);
    labelLines(t.ws);
    EXPECT_EQ(t.canvas.lines().value(0), QStringLiteral("brush color=16777215"));
    EXPECT_EQ(t.texts().size(), 2);
}

} // namespace
} // namespace vexoria::test
