// Picture files read back: JPEG through libjpeg (damaged, cut off, lying
// about its size), BMP and PNG through Qt, transparency made white.
#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "platform/pictures/JpegReader.h"
#include "platform/pictures/JpegWriter.h"
#include "platform/pictures/PictureReader.h"
#include "support/PrintTo.h"

using namespace vexoria;

namespace {

QImage sample()
{
    QImage img(120, 80, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.fillRect(10, 10, 50, 30, QColor(200, 30, 30));
    p.fillRect(70, 40, 40, 30, QColor(20, 20, 160));
    return img;
}

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

// Colour distance that JPEG's loss stays well inside.
int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

} // namespace

TEST(PictureReader, AJpegDecodesToThePictureItWasMadeFrom)
{
    const QImage img = sample();
    const QImage back = decodeJpeg(encodeJpeg(img, 90));
    ASSERT_EQ(back.size(), img.size());
    EXPECT_EQ(back.format(), QImage::Format_RGB32);
    for (const QPoint at : {QPoint(30, 20), QPoint(90, 55), QPoint(5, 75)})
        EXPECT_LT(distance(back.pixel(at), img.pixel(at)), 40) << at.x() << "," << at.y();
}

TEST(PictureReader, ADamagedOrCutOffJpegIsAnErrorNotAGreyPicture)
{
    const QByteArray good = encodeJpeg(sample(), 90);
    QString error;
    EXPECT_TRUE(decodeJpeg(good.left(good.size() / 2), &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("повреждён"))) << error.toStdString();

    QByteArray garbled = good;
    for (qsizetype i = good.size() / 2; i < good.size() / 2 + 40; ++i) garbled[i] = '\xFF';
    EXPECT_TRUE(decodeJpeg(garbled, &error).isNull());

    EXPECT_TRUE(decodeJpeg("GIF89a and more", &error).isNull());
    EXPECT_EQ(error, QStringLiteral("это не рисунок JPEG"));
    EXPECT_TRUE(decodeJpeg(QByteArray(), &error).isNull());
}

TEST(PictureReader, AJpegThatClaimsAHugeSizeIsRefusedBeforeAnyAllocation)
{
    QByteArray bytes = encodeJpeg(sample(), 90);
    // The baseline frame header: FF C0, length, precision, height, width.
    const qsizetype sof = bytes.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    for (int i : {5, 7}) {
        bytes[sof + i] = '\x75'; // 30000 = 0x7530
        bytes[sof + i + 1] = '\x30';
    }
    QString error;
    EXPECT_TRUE(decodeJpeg(bytes, &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("30000×30000"))) << qPrintable(error);
}

TEST(PictureReader, ReadsEachFormatByExtensionOrAsAskedAndFlattensTransparency)
{
    QTemporaryDir dir;
    const QImage img = sample();
    const QString jpg = write(dir, "chart.jpg", encodeJpeg(img, 90));
    ASSERT_TRUE(img.save(dir.filePath("chart.bmp"), "BMP"));

    QImage clear(40, 30, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    clear.setPixel(5, 5, qRgba(0, 0, 255, 255));
    ASSERT_TRUE(clear.save(dir.filePath("clear.png"), "PNG"));

    EXPECT_EQ(readPicture(jpg, std::nullopt)->size(), img.size());
    EXPECT_EQ(*readPicture(dir.filePath("chart.bmp"), std::nullopt), img);
    const auto png = readPicture(dir.filePath("clear.png"), std::nullopt);
    ASSERT_TRUE(png);
    EXPECT_EQ(png->pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(png->pixel(5, 5), qRgb(0, 0, 255));

    // A JPEG under another name: read as JPEG when asked, or by its content.
    const QString renamed = write(dir, "chart.dat", encodeJpeg(img, 90));
    EXPECT_TRUE(readPicture(renamed, PictureFormat::Jpeg));
    EXPECT_TRUE(readPicture(renamed, std::nullopt));
    QString error;
    EXPECT_FALSE(readPicture(dir.filePath("chart.bmp"), PictureFormat::Jpeg, &error));
    EXPECT_FALSE(readPicture(dir.filePath("missing.bmp"), std::nullopt, &error));
    EXPECT_FALSE(error.isEmpty());
}
