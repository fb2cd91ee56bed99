#include "platform/pictures/StripPng.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <future>
#include <vector>

#include <zlib.h>

#include <QImage>
#include <QPainter>

#include "platform/drawing/DisplayList.h"
#include "platform/files/OutputFile.h"
#include "platform/pictures/ChartStrips.h"
#include "platform/pictures/PalettePng.h"
#include "platform/pictures/PictureWriter.h"

namespace vexoria {

namespace {

// Image data compressed as one piece, and pieces compressing at once.
constexpr std::size_t kPieceBytes = std::size_t(2) << 20;
constexpr std::size_t kPiecesInFlight = 3;

// The image data of a PNG, deflated in pieces on threads of their own while
// the next rows are drawn. Each piece is a deflate stream of its own that
// ends on a byte boundary without ending the data, so the pieces joined are
// one stream; their checksums combine into the one the zlib wrapper ends on.
class PieceDeflate {
public:
    PieceDeflate() { m_current.reserve(kPieceBytes + 64 * 1024); }
    ~PieceDeflate()
    {
        for (auto& f : m_pending) f.wait();
    }

    void add(const unsigned char* data, std::size_t n)
    {
        m_current.insert(m_current.end(), data, data + n);
        if (m_current.size() >= kPieceBytes) dispatch(false);
    }

    // Compresses what is left and waits for every piece; false when
    // compression failed. Then data() holds the deflate stream, adler() its
    // checksum.
    bool finish()
    {
        dispatch(true);
        while (!m_pending.empty()) collect();
        return !m_failed;
    }
    const QByteArray& data() const { return m_data; }
    uLong adler() const { return m_adler; }

private:
    struct Piece {
        QByteArray deflated;
        uLong adler = 1;
        std::size_t length = 0;
        bool ok = false;
    };

    static Piece pack(std::vector<unsigned char> data, bool last)
    {
        Piece piece;
        piece.length = data.size();
        piece.adler = adler32_z(1, data.data(), data.size());
        z_stream z{};
        if (deflateInit2(&z, 1, Z_DEFLATED, -15, 8, Z_RLE) != Z_OK) return piece;
        piece.deflated.resize(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(data.size())) + 64));
        z.next_in = data.data();
        z.avail_in = static_cast<uInt>(data.size());
        z.next_out = reinterpret_cast<Bytef*>(piece.deflated.data());
        z.avail_out = static_cast<uInt>(piece.deflated.size());
        const int status = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
        piece.ok = last ? status == Z_STREAM_END : status == Z_OK && z.avail_in == 0;
        piece.deflated.resize(static_cast<qsizetype>(piece.deflated.size() - z.avail_out));
        deflateEnd(&z);
        return piece;
    }

    void dispatch(bool last)
    {
        while (m_pending.size() >= kPiecesInFlight) collect();
        std::vector<unsigned char> data;
        data.swap(m_current);
        m_current.reserve(kPieceBytes + 64 * 1024);
        m_pending.push_back(std::async(std::launch::async, pack, std::move(data), last));
    }

    void collect()
    {
        Piece piece = m_pending.front().get();
        m_pending.pop_front();
        m_failed |= !piece.ok;
        m_data.append(piece.deflated);
        m_adler = adler32_combine(m_adler, piece.adler, static_cast<z_off_t>(piece.length));
    }

    std::vector<unsigned char> m_current;
    std::deque<std::future<Piece>> m_pending;
    QByteArray m_data;
    uLong m_adler = 1;
    bool m_failed = false;
};

// The rows of the chart turned into palette indices, each after its filter
// byte. A row like the one before it, as most rows of a chart are, is
// written as no change from that one ("up", all zeros): it costs neither
// indexing nor much compressing.
class IndexedRows {
public:
    explicit IndexedRows(int width)
        : m_width(width), m_last(static_cast<std::size_t>(width)), m_row(static_cast<std::size_t>(width) + 1, 0),
          m_same(static_cast<std::size_t>(width) + 1, 0)
    {
        m_same[0] = 2; // up
    }

    // False when the palette is full.
    bool add(const QRgb* row, PieceDeflate& out)
    {
        const std::size_t bytes = static_cast<std::size_t>(m_width) * sizeof(QRgb);
        if (m_haveLast && std::memcmp(row, m_last.data(), bytes) == 0) {
            out.add(m_same.data(), m_same.size());
            return true;
        }
        unsigned char* indices = m_row.data() + 1;
        int x = 0;
        while (x < m_width) {
            // Runs of one colour, the most of a row, go sixteen pixels at a time.
            const QRgb colour = row[x];
            const int index = m_palette.indexOf(colour | 0xFF000000u);
            if (index < 0) return false;
            indices[x++] = static_cast<unsigned char>(index);
            while (x + 16 <= m_width) {
                QRgb differ = 0;
                for (int k = 0; k < 16; ++k) differ |= row[x + k] ^ colour;
                if (differ) break;
                std::memset(indices + x, index, 16);
                x += 16;
            }
            while (x < m_width && row[x] == colour) indices[x++] = static_cast<unsigned char>(index);
        }
        std::memcpy(m_last.data(), row, bytes);
        m_haveLast = true;
        out.add(m_row.data(), m_row.size());
        return true;
    }
    const PngPalette& palette() const { return m_palette; }

private:
    int m_width;
    std::vector<QRgb> m_last;
    bool m_haveLast = false;
    std::vector<unsigned char> m_row;
    std::vector<unsigned char> m_same;
    PngPalette m_palette;
};

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

// Hands each row of the chart to take, top to bottom; stops when take says no.
template <typename Take>
bool eachRow(const ChartStrips& strips, Take take)
{
    bool more = true;
    const bool drawn = strips.run(
        ChartStrips::Order::TopDown, 1,
        [&](int, const StripRows& rows) {
            for (int y = 0; y < rows.count && more; ++y) more = take(rows.row(y));
        },
        [&](int) { return more; });
    return drawn && more;
}

} // namespace

bool writeStripPng(const DisplayList& drawing, QSize size, const QString& path, QString* error, qint64 wholeBytes)
{
    const auto fail = [&](const QString& reason) {
        if (error) *error = cannotWrite(path, reason);
        return false;
    };
    const int width = size.width();
    const int height = size.height();
    const ChartStrips strips(drawing, size, wholeBytes);
    if (const QString problem = strips.problem(); !problem.isEmpty()) return fail(problem);

    // A chart's few colours fit a palette.
    PieceDeflate data;
    IndexedRows rows(width);
    if (eachRow(strips, [&](const QRgb* row) { return rows.add(row, data); })) {
        if (!data.finish()) return fail(QStringLiteral("the picture could not be compressed"));
        QByteArray head("\x89PNG\r\n\x1a\n", 8);
        QByteArray header;
        putUint32(header, static_cast<quint32>(width));
        putUint32(header, static_cast<quint32>(height));
        header.append("\x08\x03\x00\x00\x00", 5); // 8 bits, palette, deflate, adaptive filters, no interlace
        putChunk(head, "IHDR", header);
        QByteArray colours;
        for (int i = 0; i < rows.palette().size(); ++i) {
            const QRgb c = rows.palette().at(i);
            const char rgb[3] = {static_cast<char>(qRed(c)), static_cast<char>(qGreen(c)), static_cast<char>(qBlue(c))};
            colours.append(rgb, 3);
        }
        putChunk(head, "PLTE", colours);
        // The image data is written as it lies, not copied into one piece
        // with the rest: one IDAT chunk of the zlib wrapper around it.
        QByteArray wrapperHead;
        putUint32(wrapperHead, static_cast<quint32>(2 + data.data().size() + 4));
        wrapperHead.append("IDAT\x78\x01", 6); // deflate, 32 KB window, fastest
        QByteArray wrapperTail;
        putUint32(wrapperTail, static_cast<quint32>(data.adler()));
        uLong crc = crc32(0, reinterpret_cast<const Bytef*>(wrapperHead.constData() + 4), 6);
        crc = crc32_z(crc, reinterpret_cast<const Bytef*>(data.data().constData()),
                      static_cast<z_size_t>(data.data().size()));
        crc = crc32(crc, reinterpret_cast<const Bytef*>(wrapperTail.constData()), 4);
        putUint32(wrapperTail, static_cast<quint32>(crc));
        putChunk(wrapperTail, "IEND", QByteArray());
        return writeOutput(
            path,
            [&](QIODevice& device, QString*) {
                return device.write(head) == head.size() && device.write(wrapperHead) == wrapperHead.size() &&
                       device.write(data.data()) == data.data().size() &&
                       device.write(wrapperTail) == wrapperTail.size();
            },
            error);
    }
    // Should they not fit, the chart is drawn once more into an RGB PNG.
    PngRowStream stream(width, height, PngRowStream::Colours::Rgb);
    eachRow(strips, [&](const QRgb* row) { return stream.addRow(row); });
    QString reason;
    const QByteArray png = stream.finish(&reason);
    if (png.isEmpty()) return fail(reason);
    return writeOutputBytes(path, png, error);
}

} // namespace vexoria
