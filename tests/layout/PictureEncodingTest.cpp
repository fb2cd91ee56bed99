// How pictures are made and written: a chart's PNG is an 8-bit palette image
// that decodes to exactly the chart's pixels, no larger than the RGB PNG it
// replaces; other pictures keep their colours and transparency; the fast
// white picture behaves as any other image.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImageWriter>

#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/Diagram.h"
#include "platform/pictures/PalettePng.h"
#include "platform/pictures/PictureWriter.h"
#include "platform/drawing/QImageCanvas.h"
#include "platform/text/TextCodec.h"
#include "platform/drawing/WhitePicture.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

class AnswerNo : public Prompter {
public:
    void message(const QString&) override {}
    Answer question(const QString&, const QString&, Buttons, Icon) override { return Answer::No; }
};

QByteArray rgbPng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(QImageWriter(&buffer, "png").write(image));
    return bytes;
}

TEST(PalettePng, EveryChartDecodesToItsPictureAndIsNoLargerThanRgb)
{
    AnswerNo no;
    int charts = 0;
    for (const char* dir : {VEXORIA_SOURCE_DIR "/examples", VEXORIA_TEST_DATA}) {
        QDirIterator it(QString::fromUtf8(dir), {QStringLiteral("*.pas")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            for (const bool colour : {true, false}) {
                Workspace ws;
                ws.prompter = &no;
                ws.codeText = toCrLf(decodeCodeText(f.readAll()));
                f.seek(0);
                ws.settings.colourMode = colour;
                ws.settings.addLegend = true;
                classifyCode(ws);
                drawChart(ws);
                if (!ws.diagram.hasPicture()) continue;
                const QImage& picture = ws.diagram.image();
                QString error;
                const QByteArray png = encodePicture(picture, PictureFormat::Png, &error);
                ASSERT_FALSE(png.isEmpty()) << qPrintable(error);
                const QImage decoded = QImage::fromData(png, "PNG");
                EXPECT_EQ(decoded.format(), QImage::Format_Indexed8) << qPrintable(path);
                EXPECT_TRUE(decoded.convertToFormat(QImage::Format_RGB32) == picture) << qPrintable(path);
                EXPECT_LE(png.size(), rgbPng(picture).size()) << qPrintable(path);
                ++charts;
            }
        }
    }
    EXPECT_GT(charts, 40);
}

TEST(PalettePng, PicturesBeyondAPaletteKeepTheirColoursAndTransparency)
{
    QImage many(300, 10, QImage::Format_RGB32);
    for (int x = 0; x < many.width(); ++x)
        for (int y = 0; y < many.height(); ++y) many.setPixel(x, y, qRgb(x % 256, x / 256, y));
    EXPECT_FALSE(encodePalettePng(many).has_value());
    QByteArray png = encodePicture(many, PictureFormat::Png);
    EXPECT_TRUE(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32) == many);

    QImage clear(20, 20, QImage::Format_ARGB32);
    clear.fill(qRgba(10, 20, 30, 0));
    clear.setPixel(5, 5, qRgba(255, 0, 0, 255));
    EXPECT_FALSE(encodePalettePng(clear).has_value());
    png = encodePicture(clear, PictureFormat::Png);
    EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32).pixel(0, 0), qRgba(10, 20, 30, 0));
}

TEST(WhitePicture, IsWhiteAndACopyDrawnOnLeavesTheOriginal)
{
    Diagram d;
    d.setHeight(300);
    ASSERT_TRUE(d.makeWhiteImage());
    EXPECT_EQ(d.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(d.image().pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(d.image().pixel(699, 299), qRgb(255, 255, 255));

    Diagram copy(d);
    copy.canvas().fillRect(0, 0, 700, 300);
    copy.canvas().setBrushColour(rgb(255, 0, 0));
    copy.canvas().fillRect(0, 0, 10, 10);
    EXPECT_EQ(copy.image().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(d.image().pixel(0, 0), qRgb(255, 255, 255));

    EXPECT_TRUE(makeWhitePicture(0, 10).isNull());
}

} // namespace
} // namespace vexoria::test
