#include "platform/pictures/StripPng.h"

#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include <zlib.h>

#include <QImage>

#include "platform/drawing/CanvasPainting.h"
#include "platform/drawing/DisplayList.h"
#include "platform/files/OutputFile.h"
#include "platform/pictures/ChartStrips.h"
#include "platform/pictures/PalettePng.h"
#include "platform/pictures/PictureWriter.h"
#include "platform/pictures/PngChunks.h"
#include "platform/pictures/RunDeflate.h"

namespace vexoria {

namespace {

using png::putChunk;
using png::putUint32;

// The palette of a chart's picture, known before it is drawn: white ground,
// black text and the colours of its pens and brushes (nothing is drawn
// antialiased, so no pixel has another colour). Each piece of rows is then
// indexed on its own thread. None when they are more than a palette holds.
class ChartPalette {
public:
    static std::optional<ChartPalette> of(const ChartStrips& strips)
    {
        ChartPalette p;
        p.add(qRgb(255, 255, 255));
        p.add(qRgb(0, 0, 0));
        for (const Colour c : strips.colours())
            if (!p.add(painting::toQColor(c).rgb())) return std::nullopt;
        return p;
    }

    // The index of colour; -1 for a colour not in the palette.
    int indexOf(QRgb colour) const
    {
        for (std::size_t slot = hash(colour);; slot = (slot + 1) % kSlots) {
            if (m_index[slot] < 0) return -1;
            if (m_key[slot] == colour) return m_index[slot];
        }
    }
    const std::vector<QRgb>& colours() const { return m_colours; }

private:
    static constexpr std::size_t kSlots = 1024;
    static std::size_t hash(QRgb c) { return (c * 0x9E3779B1u) >> 22; }

    ChartPalette() { m_index.fill(-1); }
    bool add(QRgb colour)
    {
        if (indexOf(colour) >= 0) return true;
        if (m_colours.size() == 256) return false;
        std::size_t slot = hash(colour);
        while (m_index[slot] >= 0) slot = (slot + 1) % kSlots;
        m_key[slot] = colour;
        m_index[slot] = static_cast<short>(m_colours.size());
        m_colours.push_back(colour);
        return true;
    }

    std::array<QRgb, kSlots> m_key{};
    std::array<short, kSlots> m_index{};
    std::vector<QRgb> m_colours;
};

// Where from x on the pixels of row first differ from those of above
// (width when they do not), eight at a time while they are alike.
int alikeUntil(const QRgb* row, const QRgb* above, int x, int width)
{
    for (; x + 8 <= width; x += 8) {
        std::uint64_t differ = 0;
        for (int k = 0; k < 8; k += 2) {
            std::uint64_t a = 0;
            std::uint64_t b = 0;
            std::memcpy(&a, row + x + k, 8);
            std::memcpy(&b, above + x + k, 8);
            differ |= a ^ b;
        }
        if (differ) break;
    }
    while (x < width && row[x] == above[x]) ++x;
    return x;
}

// Where from x on the pixels of row are no longer colour.
int sameUntil(const QRgb* row, QRgb colour, int x, int width)
{
    const std::uint64_t two = std::uint64_t(colour) << 32 | colour;
    for (; x + 8 <= width; x += 8) {
        std::uint64_t differ = 0;
        for (int k = 0; k < 8; k += 2) {
            std::uint64_t a = 0;
            std::memcpy(&a, row + x + k, 8);
            differ |= a ^ two;
        }
        if (differ) break;
    }
    while (x < width && row[x] == colour) ++x;
    return x;
}

// One piece of rows as PNG image data, deflated.
struct CodedPiece {
    QByteArray deflated;
    std::uint32_t adler = 1;
    std::int64_t length = 0;
    bool fits = false; // every pixel had a colour of the palette
};

// The rows as palette indices, each after its filter byte: the piece's
// first row as it is ("none"), so that a piece needs no row of another;
// every other row as its change from the row above ("up"), which is nothing
// where the rows are alike, as most of a chart's rows are in most places.
CodedPiece codeRows(const StripRows& rows, int width, const ChartPalette& palette)
{
    CodedPiece piece;
    RunDeflate out;
    std::vector<unsigned char> index(static_cast<std::size_t>(width));
    QRgb lastColour = 0;
    int lastIndex = -1;
    const auto indexOf = [&](QRgb colour) {
        if (colour != lastColour || lastIndex < 0) {
            lastColour = colour;
            lastIndex = palette.indexOf(colour | 0xFF000000u);
        }
        return lastIndex;
    };

    const QRgb* row = rows.row(0);
    out.run(0, 1); // none
    for (int x = 0; x < width;) {
        const int i = indexOf(row[x]);
        if (i < 0) return piece;
        const int end = sameUntil(row, row[x], x + 1, width);
        std::memset(index.data() + x, i, static_cast<std::size_t>(end - x));
        out.run(static_cast<unsigned char>(i), end - x);
        x = end;
    }
    for (int y = 1; y < rows.count; ++y) {
        const QRgb* above = row;
        row = rows.row(y);
        out.run(2, 1); // up
        if (std::memcmp(row, above, static_cast<std::size_t>(width) * sizeof(QRgb)) == 0) {
            out.run(0, width);
            continue;
        }
        for (int x = 0; x < width;) {
            const int changed = alikeUntil(row, above, x, width);
            out.run(0, changed - x);
            for (x = changed; x < width && row[x] != above[x]; ++x) {
                const int i = indexOf(row[x]);
                if (i < 0) return piece;
                unsigned char& was = index[static_cast<std::size_t>(x)];
                out.run(static_cast<unsigned char>(i - was), 1);
                was = static_cast<unsigned char>(i);
            }
        }
    }
    piece.deflated = out.finish();
    piece.adler = out.adler();
    piece.length = out.length();
    piece.fits = true;
    return piece;
}

// Writes the palette PNG whose deflated image data is data (the end of the
// stream not yet on it), its checksum adler.
bool writePalettePng(QSize size, const std::vector<QRgb>& colours, const QByteArray& data, uLong adler,
                     const QString& path, QString* error)
{
    QByteArray head("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    putUint32(header, static_cast<quint32>(size.width()));
    putUint32(header, static_cast<quint32>(size.height()));
    header.append("\x08\x03\x00\x00\x00", 5); // 8 bits, palette, deflate, adaptive filters, no interlace
    putChunk(head, "IHDR", header);
    QByteArray rgb;
    for (const QRgb c : colours) {
        const char bytes[3] = {static_cast<char>(qRed(c)), static_cast<char>(qGreen(c)), static_cast<char>(qBlue(c))};
        rgb.append(bytes, 3);
    }
    putChunk(head, "PLTE", rgb);
    // The image data is written as it lies, not copied into one piece with
    // the rest: one IDAT chunk of the zlib wrapper around it.
    const QByteArray end = RunDeflate::endOfStream();
    QByteArray wrapperHead;
    putUint32(wrapperHead, static_cast<quint32>(2 + data.size() + end.size() + 4));
    wrapperHead.append("IDAT\x78\x01", 6); // deflate, 32 KB window, fastest
    QByteArray wrapperTail = end;
    putUint32(wrapperTail, static_cast<quint32>(adler));
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(wrapperHead.constData() + 4), 6);
    crc = crc32_z(crc, reinterpret_cast<const Bytef*>(data.constData()), static_cast<z_size_t>(data.size()));
    crc = crc32(crc, reinterpret_cast<const Bytef*>(wrapperTail.constData()), static_cast<uInt>(wrapperTail.size()));
    putUint32(wrapperTail, static_cast<quint32>(crc));
    putChunk(wrapperTail, "IEND", QByteArray());
    return writeOutput(
        path,
        [&](QIODevice& device, QString*) {
            return device.write(head) == head.size() && device.write(wrapperHead) == wrapperHead.size() &&
                   device.write(data) == data.size() && device.write(wrapperTail) == wrapperTail.size();
        },
        error);
}

} // namespace

bool writeStripPng(const DisplayList& drawing, QSize size, const QString& path, QString* error, qint64 wholeBytes)
{
    const auto fail = [&](const QString& reason) {
        if (error) *error = cannotWrite(path, reason);
        return false;
    };
    const ChartStrips strips(drawing, size, wholeBytes);
    if (const QString problem = strips.problem(); !problem.isEmpty()) return fail(problem);
    const QString noMemoryReason = QStringLiteral("not enough memory for a strip of the picture");

    // A chart's few colours fit a palette.
    if (const std::optional<ChartPalette> palette = ChartPalette::of(strips)) {
        std::vector<CodedPiece> pieces(static_cast<std::size_t>(strips.pieceCount()));
        QByteArray data;
        uLong adler = 1;
        bool fits = true;
        bool noMemory = false;
        const bool coded = strips.run(
            ChartStrips::Order::TopDown, ChartStrips::threadCount(),
            [&](int piece, const StripRows& rows) {
                pieces[static_cast<std::size_t>(piece)] = codeRows(rows, size.width(), *palette);
            },
            [&](int piece) {
                CodedPiece coded = std::move(pieces[static_cast<std::size_t>(piece)]);
                fits = coded.fits;
                if (!fits) return false;
                data.append(coded.deflated);
                adler = adler32_combine(adler, coded.adler, static_cast<z_off_t>(coded.length));
                return true;
            },
            &noMemory);
        if (coded) return writePalettePng(size, palette->colours(), data, adler, path, error);
        if (noMemory) return fail(noMemoryReason);
        if (fits) return fail(QStringLiteral("the picture could not be compressed"));
    }
    // Should they not fit, the chart is drawn once more into an RGB PNG.
    PngRowStream stream(size.width(), size.height(), PngRowStream::Colours::Rgb);
    bool more = true;
    bool noMemory = false;
    strips.run(
        ChartStrips::Order::TopDown, 1,
        [&](int, const StripRows& rows) {
            for (int y = 0; y < rows.count && more; ++y) more = stream.addRow(rows.row(y));
        },
        [&](int) { return more; }, &noMemory);
    if (noMemory) return fail(noMemoryReason);
    QString reason;
    const QByteArray png = stream.finish(&reason);
    if (png.isEmpty()) return fail(reason);
    return writeOutputBytes(path, png, error);
}

} // namespace vexoria
