#pragma once
// A chart of any length as a BMP: drawn from its display list a strip of
// rows at a time, from the bottom up as a BMP stores its rows, and written
// as it goes, so that no picture of the whole chart is ever made. The bytes
// are those Qt's BMP writer makes of the chart's picture: 24 bits a pixel,
// rows bottom-up, each padded to four bytes.
#include <QSize>
#include <QString>

namespace vexoria {

class DisplayList;

// The size of the BMP file of a picture of size, in bytes.
qint64 bmpFileBytes(QSize size);
// The largest BMP file: its size fields are 32 bits, which many readers
// take as signed.
inline constexpr qint64 kMaxBmpFileBytes = 0x7FFFFFFF;

// Writes the chart drawn on drawing, size pixels (width x height) on a white
// ground, as the BMP file path ("-": standard output). False with *error set
// to one line naming the file when it cannot (a chart too long for a BMP
// names .png and .svg); an old file is then untouched.
// A chart of more than wholeBytes of picture (32 bits a pixel) is drawn a
// strip at a time.
bool writeStripBmp(const DisplayList& drawing, QSize size, const QString& path, QString* error = nullptr,
                   qint64 wholeBytes = qint64(1) << 30);

} // namespace vexoria
