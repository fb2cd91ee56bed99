#include "platform/pictures/PalettePng.h"

#include <array>
#include <vector>

#include <zlib.h>

namespace vexoria {

namespace {

// The colours of a picture in the order they first appear, up to 256.
class Palette {
public:
    // The index of colour, added when new; -1 when the palette is full.
    int indexOf(QRgb colour)
    {
        if (colour == m_last) return m_lastIndex;
        int i = 0;
        while (i < m_size && m_colours[static_cast<size_t>(i)] != colour) ++i;
        if (i == m_size) {
            if (m_size == 256) return -1;
            m_colours[static_cast<size_t>(m_size++)] = colour;
        }
        m_last = colour;
        m_lastIndex = i;
        return i;
    }
    int size() const { return m_size; }
    QRgb at(int i) const { return m_colours[static_cast<size_t>(i)]; }

private:
    std::array<QRgb, 256> m_colours{};
    int m_size = 0;
    QRgb m_last = 0;
    int m_lastIndex = -1;
};

// The colour of a pixel with its alpha byte set, as RGB32 pixels should have
// it; a picture made from outside data may not.
inline QRgb opaque(QRgb pixel) { return pixel | 0xFF000000u; }

void putUint32(QByteArray& out, quint32 v)
{
    const char b[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                       static_cast<char>(v)};
    out.append(b, 4);
}

void putChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    putUint32(out, static_cast<quint32>(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* bytes = reinterpret_cast<const Bytef*>(out.constData() + start);
    putUint32(out, static_cast<quint32>(crc32(0, bytes, static_cast<uInt>(out.size() - start))));
}

enum class Rows { Packed, TooManyColours, Failed };

// The image data: each row a filter byte (0, none) and the row's indices,
// deflated in run-length mode a band of rows at a time, in one pass over the
// picture that also collects the palette.
Rows compressRows(const QImage& image, Palette& palette, QByteArray& out)
{
    z_stream z{};
    if (deflateInit2(&z, 1, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK) return Rows::Failed;
    const int width = image.width();
    const int height = image.height();
    const int bandRows = std::max(1, (1 << 18) / (width + 1));
    std::vector<Bytef> band(static_cast<size_t>(bandRows) * static_cast<size_t>(width + 1));
    std::vector<Bytef> packed(deflateBound(&z, static_cast<uLong>(band.size())) + 64);
    out.reserve(height * 16);
    Rows result = Rows::Packed;
    for (int y0 = 0; result == Rows::Packed && y0 < height; y0 += bandRows) {
        const int rows = std::min(bandRows, height - y0);
        Bytef* o = band.data();
        for (int y = y0; y < y0 + rows && result == Rows::Packed; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            *o++ = 0;
            for (int x = 0; x < width; ++x) {
                const int index = palette.indexOf(opaque(row[x]));
                if (index < 0) {
                    result = Rows::TooManyColours;
                    break;
                }
                *o++ = static_cast<Bytef>(index);
            }
        }
        if (result != Rows::Packed) break;
        z.next_in = band.data();
        z.avail_in = static_cast<uInt>(o - band.data());
        const int flush = y0 + rows >= height ? Z_FINISH : Z_NO_FLUSH;
        int status = Z_OK;
        do {
            z.next_out = packed.data();
            z.avail_out = static_cast<uInt>(packed.size());
            status = deflate(&z, flush);
            out.append(reinterpret_cast<const char*>(packed.data()),
                       static_cast<qsizetype>(packed.size() - z.avail_out));
        } while (status != Z_STREAM_ERROR && z.avail_out == 0);
        if (status == Z_STREAM_ERROR || (flush == Z_FINISH && status != Z_STREAM_END)) result = Rows::Failed;
    }
    deflateEnd(&z);
    return result;
}

} // namespace

std::optional<QByteArray> encodePalettePng(const QImage& source, QString* error)
{
    if (source.isNull()) {
        if (error) *error = QStringLiteral("there is no picture");
        return QByteArray();
    }
    const bool alpha = source.hasAlphaChannel();
    const QImage image = source.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (alpha) {
        // A picture with transparency keeps it: an RGBA PNG.
        const int width = image.width();
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < width; ++x)
                if (qAlpha(row[x]) != 255) return std::nullopt;
        }
    }
    Palette palette;
    QByteArray data;
    switch (compressRows(image, palette, data)) {
    case Rows::Packed: break;
    case Rows::TooManyColours: return std::nullopt;
    case Rows::Failed:
        if (error) *error = QStringLiteral("the picture could not be compressed");
        return QByteArray();
    }

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    putUint32(header, static_cast<quint32>(image.width()));
    putUint32(header, static_cast<quint32>(image.height()));
    header.append("\x08\x03\x00\x00\x00", 5); // 8 bits, palette, deflate, no filter choice, no interlace
    putChunk(png, "IHDR", header);
    QByteArray colours;
    for (int i = 0; i < palette.size(); ++i) {
        const QRgb c = palette.at(i);
        const char rgb[3] = {static_cast<char>(qRed(c)), static_cast<char>(qGreen(c)), static_cast<char>(qBlue(c))};
        colours.append(rgb, 3);
    }
    putChunk(png, "PLTE", colours);
    png.reserve(png.size() + data.size() + 32);
    putChunk(png, "IDAT", data);
    putChunk(png, "IEND", QByteArray());
    return png;
}

} // namespace vexoria
