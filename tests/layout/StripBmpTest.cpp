// A BMP drawn a strip of rows at a time, from the bottom up, has the bytes
// Qt's writer makes of the chart's picture; where band edges fall through
// dashed frames, slanted lines, curves and text it has the pixels of the
// chart drawn whole; a chart past any picture the program may hold is
// written, and one past what a BMP's size fields hold is refused plainly.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

#include "BandEdgeShapes.h"
#include "platform/drawing/DisplayList.h"
#include "platform/pictures/StripBmp.h"

namespace vexoria::test {
namespace {

QByteArray qtBmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "bmp").write(image);
    return bytes;
}

quint32 le32(const QByteArray& b, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

QByteArray writtenBmp(const DisplayList& list, QSize size, const QString& path, qint64 wholeBytes = qint64(1) << 30)
{
    QString error;
    EXPECT_TRUE(writeStripBmp(list, size, path, &error, wholeBytes)) << error.toStdString();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(StripBmp, HasTheBytesOfTheChartsPictureWhetherWholeOrInBands)
{
    QTemporaryDir dir;
    DisplayList list;
    drawAcrossBandEdges(list);
    // A width whose rows need padding to four bytes.
    for (const QSize size : {QSize(700, kTallRows), QSize(701, kTallRows)}) {
        const QByteArray qt = qtBmp(drawnWhole(list, size));
        EXPECT_EQ(writtenBmp(list, size, dir.filePath(QStringLiteral("whole.bmp"))), qt) << size.width();
        EXPECT_EQ(writtenBmp(list, size, dir.filePath(QStringLiteral("bands.bmp")), kBandedBytes), qt) << size.width();
    }
    // A slanted line from top to bottom leaves no row to cut at: one band.
    list.setPenColour(0x0000FF);
    list.polyline({{10, 0}, {690, kTallRows - 1}});
    const QSize size(700, kTallRows);
    EXPECT_EQ(writtenBmp(list, size, dir.filePath(QStringLiteral("slant.bmp")), kBandedBytes),
              qtBmp(drawnWhole(list, size)));
}

TEST(StripBmp, AChartPastAnyPictureIsWrittenAndReadsBack)
{
    // 400,000 rows of 700 pixels are more than the program's 1 GiB picture.
    QTemporaryDir dir;
    DisplayList list;
    list.polyline({{350, 0}, {350, 400010}}); // on past the last row
    list.setBrushColour(0x0000FF);            // red, as the canvas spells colours
    list.fillRect(10, 399990, 20, 400000);
    const QString path = dir.filePath(QStringLiteral("tall.bmp"));
    QString error;
    ASSERT_TRUE(writeStripBmp(list, QSize(700, 400000), path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), 54 + qint64(2100) * 400000);
    const QByteArray head = file.read(54);
    EXPECT_EQ(head.left(2), QByteArray("BM"));
    EXPECT_EQ(le32(head, 2), file.size());
    EXPECT_EQ(le32(head, 18), 700u);
    EXPECT_EQ(le32(head, 22), 400000u);
    EXPECT_EQ(le32(head, 28) & 0xFFFF, 24u);
    // The file's first row is the chart's last: the red block and the line.
    const QByteArray bottom = file.read(2100);
    EXPECT_EQ(bottom.mid(3 * 15, 3), QByteArray("\x00\x00\xFF", 3));
    EXPECT_EQ(bottom.mid(3 * 350, 3), QByteArray("\x00\x00\x00", 3));
    EXPECT_EQ(bottom.mid(3 * 351, 3), QByteArray("\xFF\xFF\xFF", 3));
    // Its last is the chart's first: the line only.
    ASSERT_TRUE(file.seek(file.size() - 2100));
    const QByteArray top = file.read(2100);
    EXPECT_EQ(top.mid(3 * 15, 3), QByteArray("\xFF\xFF\xFF", 3));
    EXPECT_EQ(top.mid(3 * 350, 3), QByteArray("\x00\x00\x00", 3));
}

TEST(StripBmp, AChartPastWhatABmpHoldsIsRefusedNamingTheWaysOut)
{
    QTemporaryDir dir;
    DisplayList list;
    list.polyline({{350, 0}, {350, 1999999}});
    const QString path = dir.filePath(QStringLiteral("huge.bmp"));
    QString error;
    EXPECT_FALSE(writeStripBmp(list, QSize(700, 2000000), path, &error));
    EXPECT_TRUE(error.contains(QStringLiteral(".png"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral(".svg"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_LE(bmpFileBytes(QSize(700, 1022611)), kMaxBmpFileBytes);
    EXPECT_GT(bmpFileBytes(QSize(700, 1022612)), kMaxBmpFileBytes);
}

} // namespace
} // namespace vexoria::test
