#include "platform/pictures/PalettePng.h"
#include "platform/pictures/PngChunks.h"

#include <algorithm>

#include <zlib.h>

namespace vexoria {

namespace {

using png::putChunk;
using png::putUint32;

// The colour of a pixel with its alpha byte set, as RGB32 pixels should have
// it; a picture made from outside data may not.
inline QRgb opaque(QRgb pixel) { return pixel | 0xFF000000u; }

} // namespace

struct PngRowStream::Packer {
    z_stream z{};
    bool ready = false;
};

PngRowStream::PngRowStream(int width, int height, Colours colours)
    : m_width(width), m_height(height), m_colours(colours), m_packer(std::make_unique<Packer>())
{
    const int bytesPerRow = 1 + (colours == Colours::Palette ? width : 3 * width);
    // Bands of rows are deflated in run-length mode, the fastest of zlib's
    // modes and the smallest for a chart's long runs of one colour.
    m_bandRows = std::max(1, (1 << 18) / (colours == Colours::Palette ? width + 1 : bytesPerRow));
    m_band.resize(static_cast<size_t>(m_bandRows) * static_cast<size_t>(bytesPerRow));
    m_packer->ready = width > 0 && height > 0 && deflateInit2(&m_packer->z, 1, Z_DEFLATED, 15, 8, Z_RLE) == Z_OK;
    if (!m_packer->ready) m_state = State::Failed;
    m_packed.resize(deflateBound(&m_packer->z, static_cast<uLong>(m_band.size())) + 64);
    m_data.reserve(qsizetype(height) * 16);
}

PngRowStream::~PngRowStream()
{
    if (m_packer->ready) deflateEnd(&m_packer->z);
}

bool PngRowStream::addRow(const QRgb* row)
{
    if (m_state != State::Packing || m_rows >= m_height) return false;
    Bytef* o = m_band.data() + m_bandUsed;
    *o++ = 0; // no filter
    if (m_colours == Colours::Palette) {
        for (int x = 0; x < m_width; ++x) {
            const int index = m_palette.indexOf(opaque(row[x]));
            if (index < 0) {
                m_state = State::TooManyColours;
                return false;
            }
            *o++ = static_cast<Bytef>(index);
        }
    } else {
        for (int x = 0; x < m_width; ++x) {
            *o++ = static_cast<Bytef>(qRed(row[x]));
            *o++ = static_cast<Bytef>(qGreen(row[x]));
            *o++ = static_cast<Bytef>(qBlue(row[x]));
        }
    }
    m_bandUsed = static_cast<size_t>(o - m_band.data());
    ++m_rows;
    if (++m_rowsInBand == m_bandRows || m_rows == m_height) return deflateBand();
    return true;
}

bool PngRowStream::deflateBand()
{
    z_stream& z = m_packer->z;
    z.next_in = m_band.data();
    z.avail_in = static_cast<uInt>(m_bandUsed);
    const int flush = m_rows == m_height ? Z_FINISH : Z_NO_FLUSH;
    int status = Z_OK;
    do {
        z.next_out = m_packed.data();
        z.avail_out = static_cast<uInt>(m_packed.size());
        status = deflate(&z, flush);
        m_data.append(reinterpret_cast<const char*>(m_packed.data()),
                      static_cast<qsizetype>(m_packed.size() - z.avail_out));
    } while (status != Z_STREAM_ERROR && z.avail_out == 0);
    m_bandUsed = 0;
    m_rowsInBand = 0;
    if (status == Z_STREAM_ERROR || (flush == Z_FINISH && status != Z_STREAM_END)) {
        m_state = State::Failed;
        return false;
    }
    return true;
}

QByteArray PngRowStream::finish(QString* error)
{
    if (m_state == State::Packing && m_rows != m_height) m_state = State::Failed;
    if (m_state != State::Packing) {
        if (error)
            *error = m_state == State::TooManyColours ? QStringLiteral("the picture has more than 256 colours")
                                                      : QStringLiteral("the picture could not be compressed");
        return {};
    }
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    putUint32(header, static_cast<quint32>(m_width));
    putUint32(header, static_cast<quint32>(m_height));
    // 8 bits, palette or RGB, deflate, no filter choice, no interlace
    header.append(m_colours == Colours::Palette ? "\x08\x03\x00\x00\x00" : "\x08\x02\x00\x00\x00", 5);
    putChunk(png, "IHDR", header);
    if (m_colours == Colours::Palette) {
        QByteArray colours;
        for (int i = 0; i < m_palette.size(); ++i) {
            const QRgb c = m_palette.at(i);
            const char rgb[3] = {static_cast<char>(qRed(c)), static_cast<char>(qGreen(c)), static_cast<char>(qBlue(c))};
            colours.append(rgb, 3);
        }
        putChunk(png, "PLTE", colours);
    }
    png.reserve(png.size() + m_data.size() + 32);
    putChunk(png, "IDAT", m_data);
    putChunk(png, "IEND", QByteArray());
    m_data.clear();
    return png;
}

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
    PngRowStream stream(image.width(), image.height(), PngRowStream::Colours::Palette);
    for (int y = 0; y < image.height(); ++y)
        if (!stream.addRow(reinterpret_cast<const QRgb*>(image.constScanLine(y)))) break;
    if (stream.tooManyColours()) return std::nullopt;
    QByteArray png = stream.finish(error);
    if (png.isEmpty() && error) *error = QStringLiteral("the picture could not be compressed");
    return png;
}

} // namespace vexoria
