#include "platform/pictures/StripBmp.h"

#include <cstring>
#include <vector>

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>

#include "platform/files/OutputFile.h"
#include "platform/pictures/ChartStrips.h"
#include "platform/pictures/PictureWriter.h"

namespace vexoria {

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;

qint64 bmpRowBytes(int width) { return (qint64(width) * 24 + 31) / 32 * 4; }

void putLe(QByteArray& out, quint32 v, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>(v >> (8 * i)));
}

// The file and info headers Qt's writer puts before 24-bit rows.
QByteArray bmpHeader(QSize size)
{
    // The resolution a new picture gets, as the window's picture had: that
    // of the screen. A program that never started its GUI application has
    // none, and writes the 96 dpi of the off-screen screen the command line
    // draws on otherwise.
    int xDots = 3780;
    int yDots = 3780;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const QImage probe(1, 1, QImage::Format_RGB32);
        xDots = probe.dotsPerMeterX() ? probe.dotsPerMeterX() : 2834; // 72 dpi
        yDots = probe.dotsPerMeterY() ? probe.dotsPerMeterY() : 2834;
    }
    QByteArray h;
    h.append("BM", 2);
    putLe(h, static_cast<quint32>(bmpFileBytes(size)), 4);
    putLe(h, 0, 4); // reserved
    putLe(h, kFileHeaderBytes + kInfoHeaderBytes, 4);
    putLe(h, kInfoHeaderBytes, 4);
    putLe(h, static_cast<quint32>(size.width()), 4);
    putLe(h, static_cast<quint32>(size.height()), 4); // positive: rows bottom-up
    putLe(h, 1, 2);                                   // planes
    putLe(h, 24, 2);                                  // bits a pixel
    putLe(h, 0, 4);                                   // no compression
    putLe(h, static_cast<quint32>(bmpRowBytes(size.width()) * size.height()), 4);
    putLe(h, static_cast<quint32>(xDots), 4);
    putLe(h, static_cast<quint32>(yDots), 4);
    putLe(h, 0, 4); // colours used
    putLe(h, 0, 4); // important colours
    return h;
}

// Rows of the strip as BMP rows, bottom first: blue, green, red, padded
// with zeros. A row like the one below it, as most rows of a chart are, is
// copied instead of converted.
QByteArray bmpRows(const StripRows& rows, int width)
{
    const qint64 rowBytes = bmpRowBytes(width);
    QByteArray out(static_cast<qsizetype>(rowBytes * rows.count), '\0');
    auto* o = reinterpret_cast<unsigned char*>(out.data());
    const QRgb* below = nullptr;
    for (int i = rows.count - 1; i >= 0; --i, o += rowBytes) {
        const QRgb* row = rows.row(i);
        if (below && std::memcmp(row, below, static_cast<std::size_t>(width) * sizeof(QRgb)) == 0) {
            std::memcpy(o, o - rowBytes, static_cast<std::size_t>(rowBytes));
        } else {
            unsigned char* b = o;
            for (int x = 0; x < width; ++x) {
                *b++ = static_cast<unsigned char>(qBlue(row[x]));
                *b++ = static_cast<unsigned char>(qGreen(row[x]));
                *b++ = static_cast<unsigned char>(qRed(row[x]));
            }
        }
        below = row;
    }
    return out;
}

} // namespace

qint64 bmpFileBytes(QSize size)
{
    return kFileHeaderBytes + kInfoHeaderBytes + bmpRowBytes(size.width()) * qMax(0, size.height());
}

bool writeStripBmp(const DisplayList& drawing, QSize size, const QString& path, QString* error, qint64 wholeBytes)
{
    const auto fail = [&](const QString& reason) {
        if (error) *error = cannotWrite(path, reason);
        return false;
    };
    if (size.width() > 0 && size.height() > 0 && bmpFileBytes(size) > kMaxBmpFileBytes)
        return fail(QStringLiteral("the chart is %1 pixels tall, and a BMP of it would take %2 bytes, more than a "
                                   "BMP file can hold (2 GB); write it as .png or .svg")
                        .arg(size.height())
                        .arg(bmpFileBytes(size)));
    const ChartStrips strips(drawing, size, wholeBytes);
    if (const QString problem = strips.problem(); !problem.isEmpty()) return fail(problem);

    bool noMemory = false;
    const bool written = writeOutput(
        path,
        [&](QIODevice& device, QString* reason) {
            if (device.write(bmpHeader(size)) < 0) return false;
            std::vector<QByteArray> pieces(static_cast<std::size_t>(strips.pieceCount()));
            const bool drawn = strips.run(
                ChartStrips::Order::BottomUp, ChartStrips::threadCount(),
                [&](int piece, const StripRows& rows) {
                    pieces[static_cast<std::size_t>(piece)] = bmpRows(rows, size.width());
                },
                [&](int piece) {
                    QByteArray bytes = std::move(pieces[static_cast<std::size_t>(piece)]);
                    return device.write(bytes) == bytes.size();
                },
                &noMemory);
            if (!drawn && reason)
                *reason = noMemory ? QStringLiteral("not enough memory for a strip of the picture")
                                   : QStringLiteral("the picture could not be written");
            return drawn;
        },
        error);
    return written;
}

} // namespace vexoria
