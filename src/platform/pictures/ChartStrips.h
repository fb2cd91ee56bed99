#pragma once
// The rows of a chart drawn from its display list a strip at a time, for a
// picture file written a piece at a time: no picture of the whole chart is
// made when it would be larger than the window's picture, and a chart that
// fits that picture is drawn in one piece, exactly as on it.
//
// The pieces are worked on, on threads of their own, a few ahead of the one
// being written, and handed on in order: top first for a file that stores
// its rows top-down (PNG), bottom first for one that stores them bottom-up
// (BMP).
#include <functional>

#include <QImage>
#include <QSize>
#include <QString>

#include "platform/drawing/BandedReplay.h"

namespace vexoria {

class DisplayList;

// Rows of the chart as drawn, one after the other in a strip picture.
struct StripRows {
    const QImage* strip = nullptr;
    int first = 0; // the strip's row of the first of them
    int top = 0;   // the chart's row of the first of them
    int count = 0;
    const QRgb* row(int i) const { return reinterpret_cast<const QRgb*>(strip->constScanLine(first + i)); }
};

class ChartStrips {
public:
    enum class Order { TopDown, BottomUp };
    // Rows drawn at a time, about, of a chart too long for one picture:
    // 1.4 MB of strip at the chart's width.
    static constexpr int kStripRows = 512;
    // The largest strip, as the window's picture of a whole chart.
    static constexpr qint64 kMaxStripBytes = qint64(1) << 30;

    // A chart of at most wholeBytes of picture is drawn in one band.
    ChartStrips(const DisplayList& drawing, QSize size, qint64 wholeBytes = kMaxStripBytes);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Why the chart cannot be drawn (no rows; rows that no edge may cut
    // between, too many for one strip), as the end of a "cannot write"
    // line; empty when it can.
    QString problem() const;
    int pieceCount() const { return m_pieces; }
    // The pen and brush colours of the chart's shapes (BandedReplay::colours).
    std::vector<Colour> colours() const { return m_bands.colours(); }

    // Calls work for every piece, on up to threads threads (the calling one
    // when 1), and take with the same piece number in order once its work is
    // done; work(piece) happens before take(piece). False when take says
    // stop, when work throws, or when a strip cannot be had (*noMemory set).
    using Work = std::function<void(int piece, const StripRows& rows)>;
    using Take = std::function<bool(int piece)>;
    bool run(Order order, int threads, const Work& work, const Take& take, bool* noMemory = nullptr) const;

    // The threads a writer works on: the cores this process may run on.
    static int threadCount();

private:
    bool whole() const { return m_bands.bandCount() == 1; }
    // Draws band on a white strip of exactly its rows, so that shapes are
    // cut where the chart's own picture would cut them.
    void drawBand(int band, QImage& buffer, QImage& strip) const;

    int m_width;
    int m_height;
    BandedReplay m_bands;
    int m_pieces = 0;
    bool m_needsFace = false; // a text is written with the font engine
};

} // namespace vexoria
