// A PNG drawn a strip of rows at a time from the display list has exactly
// the pixels of the chart drawn whole: where a band edge falls through
// dashed frames, slanted lines, curves and text, and when the colours do
// not fit a palette. A chart taller than any picture the program may hold
// is written all the same.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "BandEdgeShapes.h"
#include "platform/drawing/DisplayList.h"
#include "platform/pictures/StripPng.h"
#include "support/CliRun.h"
#include "support/LongRoutine.h"

namespace vexoria::test {
namespace {

QImage writtenInStrips(const DisplayList& list, QSize size, const QString& path, qint64 wholeBytes = qint64(1) << 30)
{
    QString error;
    EXPECT_TRUE(writeStripPng(list, size, path, &error, wholeBytes)) << error.toStdString();
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

TEST(StripPng, HasThePixelsOfTheChartDrawnWhole)
{
    QTemporaryDir dir;
    DisplayList list;
    drawAcrossBandEdges(list);
    const QSize size(700, kTallRows);
    EXPECT_EQ(writtenInStrips(list, size, dir.filePath(QStringLiteral("a.png")), kBandedBytes), drawnWhole(list, size));
    list.setPenColour(0x0000FF);
    list.polyline({{10, 0}, {690, kTallRows - 1}}); // slanted from top to bottom: one band
    EXPECT_EQ(writtenInStrips(list, size, dir.filePath(QStringLiteral("b.png")), kBandedBytes), drawnWhole(list, size));
    EXPECT_EQ(writtenInStrips(list, size, dir.filePath(QStringLiteral("c.png"))), drawnWhole(list, size));
}

TEST(StripPng, ColoursBeyondAPaletteAreWrittenAsRgb)
{
    QTemporaryDir dir;
    DisplayList list;
    for (int i = 0; i < 300; ++i) {
        list.setBrushColour(static_cast<Colour>(0x010203 * (i + 1)));
        list.fillRect(0, i * 3, 700, i * 3 + 3);
    }
    drawAcrossBandEdges(list);
    const QSize size(700, kTallRows);
    const QString path = dir.filePath(QStringLiteral("b.png"));
    EXPECT_EQ(writtenInStrips(list, size, path, kBandedBytes), drawnWhole(list, size));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(26).at(25), 2) << "colour type RGB";
}

TEST(StripPng, AChartTooTallForAnyPictureIsWritten)
{
    // 400,000 rows of 700 pixels are more than the program's 1 GiB picture.
    QTemporaryDir dir;
    DisplayList list;
    list.polyline({{350, 0}, {350, 399999}});
    list.textOut(300, 399980, QStringLiteral("end"));
    const QString path = dir.filePath(QStringLiteral("tall.png"));
    QString error;
    ASSERT_TRUE(writeStripPng(list, QSize(700, 400000), path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(24);
    EXPECT_EQ(head.mid(12, 4), QByteArray("IHDR"));
    EXPECT_EQ(static_cast<unsigned char>(head[20]) << 24 | static_cast<unsigned char>(head[21]) << 16 |
                  static_cast<unsigned char>(head[22]) << 8 | static_cast<unsigned char>(head[23]),
              400000);
    EXPECT_LT(file.size(), 2'000'000);
}

TEST(StripPng, RenderWritesALongRoutineThatNoPictureHolds)
{
    // About 2,000 pixels of chart per 7 parts: 3,000 parts make a chart past
    // the 1 GiB picture the window keeps.
    QTemporaryDir dir;
    const QString code = dir.filePath(QStringLiteral("long.pas"));
    QFile file(code);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(longRoutine(3000).toUtf8());
    file.close();
    const QString png = dir.filePath(QStringLiteral("long.png"));
    const CliRun run = runCli({QStringLiteral("render"), code, QStringLiteral("-o"), png});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(png));
}

} // namespace
} // namespace vexoria::test
