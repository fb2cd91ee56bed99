// The chart on the printed sheets: a built chart drawn from its display list
// shows what its picture shows, with break labels, comments and eraser
// strokes; "Уместить на одном листе" keeps the chart's proportions and
// centres it; an opened picture made smaller keeps its thin lines.
#include <gtest/gtest.h>

#include <memory>

#include "connect/Annotations.h"
#include "layout/DiagramCanvas.h"
#include "pages/Report.h"
#include "pages/SheetChart.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/DisplayList.h"
#include "platform/text/TextCodec.h"
#include "support/LongRoutine.h"
#include "support/PrintTo.h"
#include "support/SheetPicture.h"

namespace vexoria::test {
namespace {

const QRect kBothImages = report::kLeftImage.united(report::kRightImage);

int ink(const QImage& img, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += qGray(img.pixel(x, y)) < 200;
    return n;
}

// Squares of 6 × 6 pixels of the page images that hold ink on one sheet
// picture and none near them on the other: text drawn with smoothed edges,
// and a band stretched by a few rows, differ from the picture by a pixel
// here and there; a missing or moved shape differs by whole squares.
int differingSquares(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = kBothImages.top(); y + 6 <= kBothImages.bottom(); y += 6)
        for (int x = kBothImages.left(); x + 6 <= kBothImages.right(); x += 6) {
            const QRect square(x, y, 6, 6);
            const QRect near = square.adjusted(-1, -1, 1, 1);
            n += (ink(a, square) > 0 && ink(b, near) == 0) || (ink(b, square) > 0 && ink(a, near) == 0);
        }
    return n;
}

TEST(SheetChart, ABuiltChartIsDrawnAsItsPictureShowsItWithLabelsAndHandComments)
{
    Workspace ws;
    ws.codeText = classifierText(longRoutine(14, true));
    classifyCode(ws);
    ASSERT_TRUE(drawChart(ws));
    labelLines(ws);
    // A comment and an eraser stroke on the first page, as the mouse makes them.
    drawComment(diagramCanvas(ws.surface()), QPoint(420, 300), QStringLiteral("Проверено"));
    eraseStroke(diagramCanvas(ws.surface()), QPoint(20, 40), QPoint(690, 40));
    const QImage picture = ws.diagram.image();

    const Report drawn = pagedReport(ws.diagram, ws.pageMarkers, ws.reportTitle);
    ASSERT_GE(drawn.sheets.size(), 3u);
    ASSERT_FALSE(ws.diagram.drawing().isEmpty());
    const auto fromPicture = std::make_shared<const SheetChart>(picture);
    for (std::size_t i = 0; i < drawn.sheets.size(); ++i) {
        const QImage sheet = sheetPicture(drawn.sheets[i]);
        const QImage expected = sheetPicture(pagedSheet(fromPicture, drawn.sheets[i].band));
        EXPECT_LT(differingSquares(sheet, expected), 60) << "page " << i + 1;
        EXPECT_GT(ink(sheet, kBothImages), 2000) << "page " << i + 1;
    }
    // The comment is on the right image of the first sheet, where it was
    // written, and the eraser's row is white across both images.
    const QImage first = sheetPicture(drawn.sheets[0]);
    const QPoint comment = report::kRightImage.topLeft() + QPoint(420 - 350, 300);
    EXPECT_GT(ink(first, QRect(comment, QSize(60, 14))), 30);
    EXPECT_EQ(ink(first, QRect(report::kLeftImage.left() + 20, report::kLeftImage.top() + 40, 320, 1)), 0);

    // The sheets keep the chart as it was when they were made.
    eraseStroke(diagramCanvas(ws.surface()), QPoint(420, 300), QPoint(520, 300));
    EXPECT_TRUE(sheetPicture(drawn.sheets[0]) == first);
}

// A chart of one square and a line along its bottom row, from a drawing or
// from a picture.
std::shared_ptr<const SheetChart> squareChart(int height, bool picture)
{
    auto drawing = std::make_shared<DisplayList>();
    const int side = 200, top = height / 2 - side / 2;
    drawing->rectangle(250, top, 250 + side, top + side);
    drawing->polyline({QPoint(0, height - 1), QPoint(699, height - 1)});
    if (!picture) return std::make_shared<const SheetChart>(drawing, QSize(700, height));
    QImage img(700, height, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.fillRect(250, top, side, side, Qt::black);
    p.fillRect(0, height - 1, 700, 1, Qt::black);
    return std::make_shared<const SheetChart>(img);
}

TEST(SheetChart, OneSheetKeepsTheChartsProportionsAndCentresIt)
{
    for (const bool picture : {false, true}) {
        for (const int height : {520, 1040, 5200}) {
            SCOPED_TRACE(testing::Message() << (picture ? "picture " : "drawing ") << height);
            const QImage sheet = sheetPicture(oneSheet(squareChart(height, picture)));
            const double scale = std::min(1.0, 1040.0 / height);
            const QRect area = kBothImages;
            const int bottomLine = report::kLeftImage.top() + qRound((1040 + height * scale) / 2) - 1;
            // The square's ink, above the bottom line and the page number.
            const QRect square = inkWithin(sheet, QRect(area.left(), area.top(), area.width(),
                                                        std::min(bottomLine - 3, area.top() + 1000) - area.top()));
            ASSERT_TRUE(square.isValid());
            EXPECT_NEAR(square.width(), 200 * scale, 3);
            EXPECT_NEAR(square.height(), 200 * scale, 3);
            // Centred across and down: the square is at the chart's middle.
            EXPECT_NEAR(square.center().y(), report::kLeftImage.top() + 520, 3);
            EXPECT_NEAR(square.center().x(), report::kRightImage.left(), 3);
            // The chart's last row is on the sheet.
            EXPECT_GT(ink(sheet, QRect(report::kLeftImage.right() - 5, bottomLine - 1, 1, 3)), 0);
        }
    }
}

TEST(SheetChart, AnOpenedPictureIsPrintedFromItsPixelsWithTheCommentsWrittenOnIt)
{
    Workspace ws;
    QImage img(700, 800, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter(&img).fillRect(100, 100, 100, 100, Qt::black);
    ws.diagram.setPicture(img);
    placePageMarkers(ws);
    drawComment(diagramCanvas(ws.surface()), QPoint(100, 400), QStringLiteral("Проверено"));
    ASSERT_FALSE(ws.diagram.drawing().isEmpty());
    const QImage sheet = sheetPicture(pagedReport(ws.diagram, ws.pageMarkers, ws.reportTitle).sheets[0]);
    const QPoint at = report::kLeftImage.topLeft();
    EXPECT_EQ(ink(sheet, QRect(at + QPoint(100, 100), QSize(100, 100))), 100 * 100);
    EXPECT_GT(ink(sheet, QRect(at + QPoint(100, 400), QSize(60, 14))), 30);
}

TEST(SheetChart, AnOpenedPictureMadeSmallerKeepsItsThinLines)
{
    // Lines one pixel thin, 47 rows apart: a picture scaled by picking rows
    // would keep about one in five.
    QImage img(700, 5200, QImage::Format_RGB32);
    img.fill(Qt::white);
    int lines = 0;
    {
        QPainter p(&img);
        for (int y = 1; y < img.height(); y += 47, ++lines) p.fillRect(0, y, 700, 1, Qt::black);
    }
    const QImage sheet = sheetPicture(oneSheet(std::make_shared<const SheetChart>(img)));
    const int x = report::kLeftImage.right() - 10;
    int traces = 0;
    bool inTrace = false;
    for (int y = report::kLeftImage.top(); y <= report::kLeftImage.bottom(); ++y) {
        const bool grey = qGray(sheet.pixel(x, y)) < 250;
        traces += grey && !inTrace;
        inTrace = grey;
    }
    EXPECT_GE(traces, lines * 9 / 10);
}

} // namespace
} // namespace vexoria::test
