// The sheets of a print drawn from the chart's display list are the sheets
// cut from its picture, pixel for pixel: page bands, the break labels on
// them, and the whole chart on one sheet.
#include <gtest/gtest.h>

#include <memory>

#include "pages/DrawnSheets.h"
#include "pages/PageBands.h"
#include "pages/Report.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"
#include "platform/core/DisplayList.h"
#include "platform/core/TextCodec.h"
#include "support/LongRoutine.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

// A chart of a few pages built as the print builds it, on its picture or
// on a display list; with the break labels when asked.
std::unique_ptr<Workspace> built(Canvas* drawing, bool labels)
{
    auto ws = std::make_unique<Workspace>();
    ws->canvasOverride = drawing;
    ws->codeText = classifierText(longRoutine(14, true));
    classifyCode(*ws);
    EXPECT_TRUE(drawChart(*ws));
    if (labels) N25Click(*ws);
    return ws;
}

void expectSameImage(const QImage& drawn, const QImage& cut, const char* what, int page)
{
    ASSERT_EQ(drawn.size(), cut.size()) << what << " page " << page;
    const QImage a = drawn.convertToFormat(QImage::Format_RGB32);
    const QImage b = cut.convertToFormat(QImage::Format_RGB32);
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differ += a.pixel(x, y) != b.pixel(x, y);
    EXPECT_EQ(differ, 0) << "pixels of " << what << " of page " << page << " differ";
}

TEST(DrawnSheets, AreTheSheetsCutFromThePicture)
{
    for (const bool labels : {false, true}) {
        const auto pictured = built(nullptr, labels);
        ASSERT_TRUE(pictured->diagram.hasPicture());
        const Report cut = pagedReport(*pictured);
        ASSERT_GE(cut.sheets.size(), 3u);

        DisplayList drawing;
        const auto listed = built(&drawing, labels);
        EXPECT_FALSE(listed->diagram.hasPicture()) << "no picture of the whole chart";
        ASSERT_EQ(listed->diagram.height(), pictured->diagram.height());
        const DrawnSheets sheets(drawing, QSize(listed->diagram.width(), listed->diagram.height()));
        const std::vector<PageBand> bands = pageBands(listed->pageMarkers, listed->diagram.height());
        ASSERT_EQ(bands.size(), cut.sheets.size());
        for (std::size_t i = 0; i < bands.size(); ++i) {
            const ReportSheet drawn = sheets.pagedSheet(bands[i]);
            EXPECT_EQ(drawn.pageNumber, cut.sheets[i].pageNumber);
            expectSameImage(drawn.left, cut.sheets[i].left, "the left half", bands[i].page);
            expectSameImage(drawn.right, cut.sheets[i].right, "the right half", bands[i].page);
        }
        const ReportSheet one = sheets.oneSheet();
        const Report oneCut = oneSheetReport(*pictured);
        expectSameImage(one.left, oneCut.sheets[0].left, "the one sheet's left half", 1);
        expectSameImage(one.right, oneCut.sheets[0].right, "the one sheet's right half", 1);
    }
}

TEST(DrawnSheets, AChartTallerThanTheSqueezeLimitIsDrawnIntoThatManyRows)
{
    DisplayList drawing;
    drawing.polyline({QPoint(10, 0), QPoint(10, 40000)});
    const DrawnSheets sheets(drawing, QSize(700, 40000));
    const ReportSheet one = sheets.oneSheet();
    EXPECT_EQ(one.left.size(), QSize(350, DrawnSheets::kMaxSqueezedRows));
    // The line runs down the whole squeezed half.
    EXPECT_LT(qGray(one.left.pixel(10, 0)), 128);
    EXPECT_LT(qGray(one.left.pixel(10, DrawnSheets::kMaxSqueezedRows - 1)), 128);
    EXPECT_EQ(one.right.pixel(10, 100), qRgb(255, 255, 255));
}

} // namespace
} // namespace vexoria::test
