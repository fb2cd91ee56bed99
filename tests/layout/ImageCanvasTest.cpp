// The canvas on the diagram's image: crisp shapes with the bitmap's edge
// conventions, opaque text in the diagram font, the picture made on first
// use, and the picture files written from it.
#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "ChartBuilder.h"
#include "layout/DiagramCanvas.h"
#include "pipeline/Pipeline.h"
#include "platform/drawing/DiagramFont.h"
#include "platform/pictures/JpegWriter.h"
#include "platform/pictures/PictureWriter.h"
#include "platform/drawing/QImageCanvas.h"

namespace vexoria::test {
namespace {

bool ink(const QImage& img, int x, int y) { return img.pixel(x, y) != qRgb(255, 255, 255); }

int inkIn(const QImage& img, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += ink(img, x, y) ? 1 : 0;
    return n;
}

TEST(DiagramFont, EmbeddedFaceFitsTheLineStep)
{
    EXPECT_EQ(diagramFontFamily(), QStringLiteral("Liberation Sans"));
    EXPECT_LE(diagramFontMetrics().height(), 15);
    EXPECT_EQ(diagramTextWidth(QString()), 0);
    // Whole-pixel advances: a text is as wide as its characters together.
    EXPECT_EQ(diagramTextWidth(QStringLiteral("iiii")), 4 * diagramTextWidth(QStringLiteral("i")));
    EXPECT_GT(diagramTextWidth(QStringLiteral("Блок-схема")), 0);
    // No tab stops on the chart: a tab is as wide as a blank.
    EXPECT_EQ(diagramTextWidth(QStringLiteral("\tx := 1;")), diagramTextWidth(QStringLiteral(" x := 1;")));
}

TEST(ImageCanvas, RectangleLeavesOutItsRightAndBottomEdge)
{
    Diagram d;
    d.setHeight(50);
    QImageCanvas c(d);
    c.rectangle(10, 10, 20, 20);
    const QImage& img = d.image();
    ASSERT_EQ(img.size(), QSize(700, 50));
    EXPECT_TRUE(ink(img, 10, 10));
    EXPECT_TRUE(ink(img, 19, 19));
    EXPECT_TRUE(ink(img, 19, 10));
    EXPECT_FALSE(ink(img, 20, 15));
    EXPECT_FALSE(ink(img, 15, 20));
    EXPECT_FALSE(ink(img, 15, 15));
    EXPECT_FALSE(ink(img, 9, 10));

    c.roundRect(30, 10, 60, 40, 10, 10);
    EXPECT_TRUE(ink(img, 45, 10));
    EXPECT_TRUE(ink(img, 59, 25));
    EXPECT_FALSE(ink(img, 60, 25));
    EXPECT_FALSE(ink(img, 30, 10)); // the corner is rounded off
}

TEST(ImageCanvas, PolygonIsFilledWithTheBrushAndPenSetsTheOutline)
{
    Diagram d;
    d.setHeight(100);
    QImageCanvas c(d);
    c.setBrushColour(rgb(255, 0, 0));
    c.setPenColour(rgb(0, 0, 255));
    c.setPenWidth(1);
    c.polygon({QPoint(10, 50), QPoint(50, 10), QPoint(90, 50), QPoint(50, 90)});
    const QImage& img = d.image();
    EXPECT_EQ(img.pixel(50, 50), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(10, 50), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(50, 90), qRgb(0, 0, 255));
    EXPECT_FALSE(ink(img, 12, 12));

    // A one-pixel line leaves out its end point.
    c.polyline({QPoint(100, 70), QPoint(200, 70)});
    EXPECT_TRUE(ink(img, 100, 70));
    EXPECT_TRUE(ink(img, 199, 70));
    EXPECT_FALSE(ink(img, 200, 70));

    c.setPenStyle(PenStyle::Dash);
    c.polyline({QPoint(100, 5), QPoint(300, 5)});
    // Dashes of 18 with gaps of 6.
    EXPECT_EQ(inkIn(img, QRect(100, 5, 24, 1)), 18);
    EXPECT_EQ(inkIn(img, QRect(100, 5, 48, 1)), 36);
    c.setPenStyle(PenStyle::Dot);
    c.polyline({QPoint(100, 8), QPoint(160, 8)});
    EXPECT_EQ(inkIn(img, QRect(100, 8, 60, 1)), 30);
}

TEST(ImageCanvas, TextIsOpaqueAndBlack)
{
    Diagram d;
    d.setHeight(40);
    QImageCanvas c(d);
    c.setBrushColour(rgb(0, 255, 0));
    const QString text = QStringLiteral("END SHEMA");
    c.textOut(10, 10, text);
    const QImage& img = d.image();
    const int w = diagramTextWidth(text);
    const int h = diagramFontMetrics().height();
    // The cell is filled with the brush, and the letters are black.
    EXPECT_EQ(img.pixel(10, 10), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(10 + w - 1, 10 + h - 1), qRgb(0, 255, 0));
    EXPECT_FALSE(ink(img, 10 + w, 10));
    int black = 0;
    for (int y = 10; y < 10 + h; ++y)
        for (int x = 10; x < 10 + w; ++x) black += img.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
    EXPECT_GT(black, 20);
}

TEST(ImageCanvas, NewPictureStartsWithAFreshPen)
{
    Diagram d;
    d.setHeight(40);
    QImageCanvas c(d);
    c.setPenWidth(3);
    c.setPenColour(rgb(255, 0, 0));
    d.removePicture();
    EXPECT_TRUE(c.ensurePicture());
    EXPECT_EQ(c.penWidth(), 1);
    EXPECT_EQ(c.penColour(), kBlack);
    EXPECT_EQ(c.brushColour(), kWhite);
}

TEST(ImageCanvas, PictureTooLargeIsRefusedNotAllocated)
{
    Diagram d;
    d.setHeight(2'000'000);
    QImageCanvas c(d);
    EXPECT_EQ(c.textWidth(QStringLiteral("ab")), diagramTextWidth(QStringLiteral("ab")));
    EXPECT_FALSE(d.hasPicture());
    EXPECT_FALSE(c.ensurePicture());
    EXPECT_THROW(c.setPenWidth(2), PictureError);
    EXPECT_THROW(c.polygon({QPoint(0, 0)}), PictureError);
}

TEST(DrawingPass, ChartTooLongForAPictureEndsAtTheHeaderWithAMessage)
{
    ChartBuilder c;
    c.ws.canvasOverride = nullptr;
    c.placed("header", 225, 0);
    c.text("procedure p;");
    c.placed("end shema", 225, 3'000'000);
    c.draw();
    EXPECT_FALSE(c.ws.diagram.hasPicture());
    EXPECT_EQ(c.prompter.messages(), QStringList{QStringLiteral("Длинна превышенна ")});
}

// Every kind, drawn for real at its place in the column: the image is as
// high as the chart and the outline has ink where the shape says.
TEST(DrawingPass, EveryKindLeavesInkOnItsOutline)
{
    const char* kinds[] = {"var",     "if",    "while", "case",  "goto",    "for",       "repeat",
                           "else",    "begin", "with",  "until", "procces", "end shema", "header",
                           "mylabel", "break", "exit",  "try",   "except"};
    for (const char* kind : kinds) {
        ChartBuilder c;
        c.ws.canvasOverride = nullptr;
        c.block(kind, QStringLiteral(" x "));
        c.text("a := 1;");
        c.block("end shema");
        c.size();
        c.draw();
        ASSERT_TRUE(c.ws.diagram.hasPicture()) << kind;
        const QImage& img = c.ws.diagram.image();
        const int endY = val(c.row(2).y);
        EXPECT_EQ(img.height(), endY + 100) << kind;
        const StatementRow& r = c.row(0);
        // Every template's first point lies on the outline.
        locateTemplate(c.ws.templates, QString::fromUtf8(kind));
        const ShapeTemplate& t = c.ws.templates.current();
        int px = val(r.x) + val(t.x1);
        int py = val(r.y) + val(t.y1);
        const bool rounded = QString::fromUtf8(kind) == "var" || QString::fromUtf8(kind) == "header" ||
                             QString::fromUtf8(kind) == "else" || QString::fromUtf8(kind) == "end shema";
        if (rounded) py += (val(t.y2) + val(r.stretchY) - val(t.y1)) / 2; // the middle of the left side
        else if (QString::fromUtf8(kind) == "if" || QString::fromUtf8(kind) == "try" ||
                 QString::fromUtf8(kind) == "for" || QString::fromUtf8(kind) == "while")
            py += val(r.stretchY) / 2;
        else if (QString::fromUtf8(kind) == "with") py += val(r.stretchY);
        EXPECT_TRUE(ink(img, px, py)) << kind << " at " << px << "," << py;
        // The block is centred on the middle line and nothing is right of 700.
        EXPECT_GT(inkIn(img, QRect(340, val(r.y), 20, std::max(endY - val(r.y), 40))), 0) << kind;
        EXPECT_EQ(inkIn(img, QRect(0, 0, 20, img.height())), 0) << kind;
    }
}

TEST(PictureFiles, PngBmpAndJpegAreWrittenAndReadBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Diagram d;
    d.setHeight(120);
    QImageCanvas c(d);
    c.setPenWidth(2);
    c.rectangle(100, 20, 300, 100);
    for (const char* name : {"chart.png", "chart.bmp", "chart.jpg", "chart.JPEG"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QString error;
        ASSERT_TRUE(writePicture(d.image(), path, &error)) << name << ": " << qPrintable(error);
        QImageReader reader(path);
        const QByteArray expected = pictureFormatFor(path) == PictureFormat::Jpeg  ? "jpeg"
                                    : pictureFormatFor(path) == PictureFormat::Bmp ? "bmp"
                                                                                   : "png";
        EXPECT_EQ(reader.format(), expected) << name;
        const QImage back = reader.read();
        ASSERT_EQ(back.size(), QSize(700, 120)) << name;
        // Lossy JPEG still keeps a dark outline on white.
        EXPECT_LT(qGray(back.pixel(100, 60)), 100) << name;
        EXPECT_GT(qGray(back.pixel(200, 60)), 200) << name;
    }
    QString error;
    EXPECT_FALSE(writePicture(QImage(), dir.filePath("none.png"), &error));
    EXPECT_FALSE(writeJpegFile(d.image(), dir.filePath("missing/dir/x.jpg"), 90, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace vexoria::test
