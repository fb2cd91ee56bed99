#pragma once
// PNG of a picture with few colours as an 8-bit palette image. A chart is
// drawn without antialiasing, in black, white and the palette's colours, so
// its picture fits a palette: a quarter of the pixel data of an RGB PNG, and
// long runs of one index that zlib's run-length mode packs fast and small
// (a 700 x 44,548 chart: about 0.6 MB, where the RGB PNG of Qt's writer takes
// 0.68 MB and four times as long).
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

namespace vexoria {

// The PNG bytes, decoding to exactly the picture's pixels. Nothing when the
// picture has more than 256 colours (any other picture: write it as RGB);
// empty bytes with *error set when it cannot be encoded.
// The colours of a picture in the order they first appear, up to 256.
class PngPalette {
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

// A PNG made row by row, top to bottom, so that a picture of any height is
// written without ever being whole in memory: each row is indexed (or kept
// as RGB) and deflated as it comes; only the compressed data is kept. The
// bytes are those encodePalettePng makes of the same pixels.
class PngRowStream {
public:
    enum class Colours { Palette, Rgb };
    PngRowStream(int width, int height, Colours colours);
    ~PngRowStream();
    PngRowStream(const PngRowStream&) = delete;
    PngRowStream& operator=(const PngRowStream&) = delete;

    // The next row, width RGB32 pixels; false when it cannot be taken: the
    // palette is full (tooManyColours), compression failed, or every row is in.
    bool addRow(const QRgb* row);
    bool tooManyColours() const { return m_state == State::TooManyColours; }
    // The file once every row is in; empty bytes with *error set otherwise.
    QByteArray finish(QString* error = nullptr);

private:
    enum class State { Packing, TooManyColours, Failed };
    struct Packer;
    bool deflateBand();

    int m_width;
    int m_height;
    Colours m_colours;
    std::unique_ptr<Packer> m_packer;
    State m_state = State::Packing;
    PngPalette m_palette;
    int m_bandRows = 1;
    int m_rowsInBand = 0;
    int m_rows = 0;
    std::vector<unsigned char> m_band;
    std::size_t m_bandUsed = 0;
    std::vector<unsigned char> m_packed;
    QByteArray m_data;
};

std::optional<QByteArray> encodePalettePng(const QImage& image, QString* error = nullptr);

} // namespace vexoria
