// Where the page markers go, how dragging moves them, and which rows of the
// diagram each printed sheet takes.
#include <gtest/gtest.h>

#include "pages/PageBands.h"
#include "pages/PageMarkers.h"
#include "pages/Report.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "support/SheetPicture.h"

namespace vexoria::test {
namespace {

std::vector<int> placedOffsets(const PageMarkers& m)
{
    std::vector<int> out;
    for (int k = 1; k <= PageMarkers::kCount && m.placed(k); ++k) out.push_back(m.offset(k));
    return out;
}

PageMarkers placedFor(int h)
{
    PageMarkers m;
    m.placeDefault(h);
    return m;
}

struct Band {
    int top, bottom, rows;
    bool operator==(const Band&) const = default;
};

std::vector<Band> bands(const PageMarkers& m, int h)
{
    std::vector<Band> out;
    for (const PageBand& b : pageBands(m, h)) out.push_back({b.top, b.bottom, b.rows});
    return out;
}

void PrintTo(const Band& b, std::ostream* os) { *os << '{' << b.top << ", " << b.bottom << ", " << b.rows << '}'; }

TEST(PageMarkers, DefaultPlacesEndOnTheBottomEdgeOfTheDiagram)
{
    EXPECT_EQ(placedOffsets(placedFor(900)), std::vector<int>({900}));
    EXPECT_EQ(placedOffsets(placedFor(2000)), std::vector<int>({1040, 2000}));
    // A diagram of exactly two pages puts marker 3 on the same line as marker 2.
    EXPECT_EQ(placedOffsets(placedFor(2080)), std::vector<int>({1040, 2080, 2080}));
    EXPECT_EQ(placedOffsets(placedFor(2081)), std::vector<int>({1040, 2080, 2081}));
    EXPECT_EQ(placedOffsets(placedFor(3000)), std::vector<int>({1040, 2080, 3000}));
    // Past twelve pages every marker sits a page below the last; nothing
    // marks the rest.
    std::vector<int> twelve;
    for (int k = 1; k <= 12; ++k) twelve.push_back(1040 * k);
    EXPECT_EQ(placedOffsets(placedFor(14000)), twelve);

    // A shorter diagram after a longer one leaves no marker of the old one.
    PageMarkers m = placedFor(14000);
    m.placeDefault(900);
    EXPECT_TRUE(m.shown(1));
    for (int k = 2; k <= 12; ++k) EXPECT_FALSE(m.shown(k) || m.placed(k)) << k;
    EXPECT_EQ(PageMarkers::caption(10), QStringLiteral("10") + QString(229, u'-'));
}

TEST(PageBands, EachSheetEndsSixRowsBelowItsMarkerAndTheNextStartsThreeBelow)
{
    EXPECT_EQ(bands(placedFor(900), 900), std::vector<Band>({{0, 906, 906}}));
    // The last sheet starts on its marker.
    EXPECT_EQ(bands(placedFor(2000), 2000), std::vector<Band>({{0, 1046, 1046}, {1040, 2006, 966}}));
    EXPECT_EQ(bands(placedFor(2080), 2080), std::vector<Band>({{0, 1046, 1046}, {1040, 2086, 1046}}));
    EXPECT_EQ(bands(placedFor(2081), 2081), std::vector<Band>({{0, 1046, 1046}, {1043, 2086, 1046}, {2080, 2087, 7}}));
    // A middle sheet takes 1043 rows and stretches them to 1046.
    EXPECT_EQ(bands(placedFor(3000), 3000),
              std::vector<Band>({{0, 1046, 1046}, {1043, 2086, 1046}, {2080, 3006, 926}}));

    const std::vector<Band> long14 = bands(placedFor(14000), 14000);
    ASSERT_EQ(long14.size(), 14u);
    for (int k = 2; k <= 13; ++k) EXPECT_EQ(long14[k - 1].top, 1040 * (k - 1) + 3) << k;
    EXPECT_EQ(long14[12], (Band{12483, 13526, 1046}));
    EXPECT_EQ(long14[13], (Band{13520, 14006, 486}));
}

TEST(PageMarkers, ADraggedMarkerFollowsThePointerAndPushesTheNextOne)
{
    PageMarkers m = placedFor(3000);
    bool dragging = true;
    EXPECT_FALSE(m.mouseMove(1, 600, 3000, dragging));
    EXPECT_EQ(m.offset(1), 600);
    EXPECT_EQ(m.offset(2), 1640);
    EXPECT_EQ(m.offset(3), 3000); // only the next one moves
    EXPECT_TRUE(dragging);

    // Marker 2 dragged up; merely moving over marker 1 puts it back a page below.
    m.mouseMove(2, 1200, 3000, dragging);
    dragging = false;
    m.mouseMove(1, 0, 3000, dragging);
    EXPECT_EQ(m.offset(1), 600);
    EXPECT_EQ(m.offset(2), 1640);

    // Past its limit a marker snaps back and the drag ends with the button down.
    dragging = true;
    m.mouseMove(1, 1050, 3000, dragging);
    EXPECT_EQ(m.offset(1), 1040);
    EXPECT_FALSE(dragging);
    dragging = true;
    m.mouseMove(2, 2090, 3000, dragging);
    EXPECT_EQ(m.offset(2), 2089); // marker 2 snaps back to its limit
    // The next marker is not pushed below the diagram: it stays where the
    // drag of marker 2 to 1200 put it.
    EXPECT_EQ(m.offset(3), 2240);
    // Nothing limits a drag upward, above the diagram too.
    dragging = true;
    m.mouseMove(3, -40, 3000, dragging);
    EXPECT_EQ(m.offset(3), -40);
}

TEST(PageMarkers, OnlyTheTwelfthMarkerPastItsLimitIsRefused)
{
    PageMarkers m = placedFor(14000);
    bool dragging = true;
    EXPECT_FALSE(m.mouseMove(11, 11500, 14000, dragging));
    EXPECT_EQ(m.offset(11), 11440);
    dragging = true;
    EXPECT_TRUE(m.mouseMove(12, 12490, 14000, dragging));
    EXPECT_EQ(m.offset(12), 12480);
    EXPECT_FALSE(dragging);
    // Marker 8's limit is its own default place: a push from marker 7 at its
    // own limit puts it past, and the next move over it snaps it back.
    m.placeDefault(14000);
    dragging = true;
    m.mouseMove(7, 7289, 14000, dragging);
    EXPECT_EQ(m.offset(8), 8329);
    dragging = false;
    m.mouseMove(8, 0, 14000, dragging);
    EXPECT_EQ(m.offset(8), 8320);
}

TEST(PageBands, DraggedMarkersLeaveNoRowOfTheChartOffTheSheets)
{
    // Marker 1 dragged up to 700 takes marker 2 to 1740: the last 260 rows
    // get a sheet of their own.
    PageMarkers m = placedFor(2000);
    bool dragging = true;
    m.mouseMove(1, 700, 2000, dragging);
    EXPECT_EQ(bands(m, 2000), std::vector<Band>({{0, 706, 706}, {703, 1746, 1046}, {1740, 2006, 266}}));
    // When marker 2 lands on the bottom edge it is the last one.
    m = placedFor(1740);
    dragging = true;
    m.mouseMove(1, 700, 1740, dragging);
    EXPECT_EQ(bands(m, 1740), std::vector<Band>({{0, 706, 706}, {700, 1746, 1046}}));
}

// A diagram whose every pixel tells its row and half: red and green hold the
// row, blue is 0 on the left half and 255 on the right.
QImage numberedDiagram(int h)
{
    QImage img(700, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < 700; ++x) line[x] = qRgb(y & 0xFF, y >> 8, x < 350 ? 0 : 255);
    }
    return img;
}

// The diagram row a sheet shows at row y of a page image (sheet painted at
// one pixel to the report pixel); the left image unless told.
int rowOf(const QImage& sheet, int y, const QRect& image = report::kLeftImage)
{
    const QRgb c = sheet.pixel(image.left() + 5, image.top() + y);
    return qRed(c) + (qGreen(c) << 8);
}

TEST(Report, PagedSheetsHoldTheirBandsAndTheOneSheetHoldsTheWholeDiagram)
{
    Workspace ws;
    ws.diagram.setPicture(numberedDiagram(3000));
    placePageMarkers(ws);
    const Report paged = pagedReport(ws.diagram, ws.pageMarkers, ws.reportTitle);
    ASSERT_EQ(paged.sheets.size(), 3u);
    EXPECT_EQ(paged.title, QStringLiteral("Блок-Схема"));
    EXPECT_EQ(paged.sheets[1].pageNumber, 2);
    const QImage second = test::sheetPicture(paged.sheets[1]);
    EXPECT_NEAR(rowOf(second, 0), 1043, 1);
    EXPECT_EQ(qBlue(second.pixel(report::kLeftImage.left() + 5, report::kLeftImage.top())), 0);
    EXPECT_EQ(qBlue(second.pixel(report::kRightImage.left() + 5, report::kRightImage.top())), 255);
    // 1043 rows stretched to 1046: the page ends 3 or 4 rows short of 2083.
    EXPECT_NEAR(rowOf(second, 1039), 2079, 2);
    // The last sheet: rows past the diagram's bottom edge are white.
    const QImage third = test::sheetPicture(paged.sheets[2]);
    EXPECT_EQ(rowOf(third, 919, report::kRightImage), 2999);
    const QPoint below = report::kRightImage.topLeft() + QPoint(5, 921);
    EXPECT_EQ(third.pixel(below), qRgb(255, 255, 255));
    EXPECT_EQ(third.pixel(below + QPoint(0, 118)), qRgb(255, 255, 255));

    EXPECT_EQ(pagedReport(ws.diagram, ws.pageMarkers, ws.reportTitle, 2).sheets.size(), 2u);

    ws.reportTitle = QStringLiteral("Блок-Схема procedure p;");
    const Report one = oneSheetReport(ws.diagram, ws.reportTitle);
    ASSERT_EQ(one.sheets.size(), 1u);
    EXPECT_EQ(one.title, QStringLiteral("Блок-Схема procedure p;"));
    EXPECT_TRUE(one.sheets[0].wholeChart);
}

TEST(Report, APageOfNoRowsIsBlank)
{
    // Marker 2 dragged above marker 1: that page has nothing to show.
    const auto chart = std::make_shared<const SheetChart>(numberedDiagram(100));
    const QImage blank = test::sheetPicture(pagedSheet(chart, PageBand{2, 60, 50, 0}));
    EXPECT_EQ(test::inkWithin(blank, report::kLeftImage.adjusted(0, 0, 0, -60)), QRect());
}

} // namespace
} // namespace vexoria::test
