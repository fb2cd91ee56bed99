#include "platform/pictures/ChartStrips.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include <QPainter>
#include <QThread>

#include "platform/drawing/DiagramFont.h"
#include "platform/drawing/DiagramGlyphs.h"
#include "platform/drawing/DisplayList.h"
#include "platform/drawing/PainterCanvas.h"

namespace vexoria {

namespace {

// The fewest pieces worked on on threads of their own: 4,096 rows.
constexpr int kPiecesForThreads = 8;

// A chart that fits the picture the window would hold is drawn in one band,
// exactly as on that picture; a longer one a strip at a time.
int preferredBandRows(QSize size, qint64 wholeBytes)
{
    const bool fits = qint64(size.height()) * size.width() * 4 <= wholeBytes;
    return fits ? size.height() : ChartStrips::kStripRows;
}

} // namespace

ChartStrips::ChartStrips(const DisplayList& drawing, QSize size, qint64 wholeBytes)
    : m_width(std::max(0, size.width())), m_height(std::max(0, size.height())),
      m_bands(drawing, m_height, preferredBandRows(size, wholeBytes))
{
    // The one band of a whole chart is worked on in pieces of rows all the same.
    m_pieces = whole() ? (m_height + kStripRows - 1) / kStripRows : m_bands.bandCount();
    const QStringList& texts = drawing.texts();
    m_needsFace = std::any_of(texts.begin(), texts.end(), [](const QString& t) { return !t.isEmpty() && !glyphsCover(t); });
}

QString ChartStrips::problem() const
{
    if (m_width <= 0 || m_height <= 0) return QStringLiteral("there is no picture");
    const int tallest = m_bands.tallestBand();
    if (qint64(tallest) * m_width * 4 > kMaxStripBytes)
        return QStringLiteral("%1 rows of the chart have no row between them to cut the picture at, too many "
                              "to draw at once; write the chart as .svg or .pdf")
            .arg(tallest);
    return {};
}

int ChartStrips::threadCount() { return std::max(1, QThread::idealThreadCount()); }

void ChartStrips::drawBand(int band, QImage& buffer, QImage& strip) const
{
    const int rows = m_bands.bandRows(band);
    if (buffer.isNull()) buffer = QImage(m_width, m_bands.tallestBand(), QImage::Format_RGB32);
    if (buffer.isNull()) {
        strip = QImage();
        return;
    }
    strip = QImage(buffer.bits(), m_width, rows, buffer.bytesPerLine(), QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    painter.translate(0, -m_bands.bandTop(band));
    PainterCanvas canvas(painter);
    canvas.drawOnPicture();
    m_bands.replay(canvas, band);
}

bool ChartStrips::run(Order order, int threads, const Work& work, const Take& take, bool* noMemory) const
{
    if (noMemory) *noMemory = false;
    if (!problem().isEmpty()) return false;
    // A text the glyph table leaves out is written with the face, which a
    // program that starts its GUI application late must start here, on its
    // own thread, before any worker draws.
    if (m_needsFace) startGuiApplication();
    const int count = m_pieces;
    const auto pieceAt = [&](int k) { return order == Order::TopDown ? k : count - 1 - k; };

    // A whole chart is drawn once, here; its pieces are rows of that strip.
    QImage wholeBuffer;
    QImage wholeStrip;
    if (whole()) {
        drawBand(0, wholeBuffer, wholeStrip);
        if (wholeStrip.isNull()) {
            if (noMemory) *noMemory = true;
            return false;
        }
    }
    // Each thread draws its bands on a strip of its own.
    struct Scratch {
        QImage buffer;
        QImage strip;
    };
    // False when no strip could be had for piece.
    const auto doPiece = [&](int piece, Scratch& scratch) {
        StripRows rows;
        if (whole()) {
            rows.strip = &wholeStrip;
            rows.first = piece * kStripRows;
            rows.top = rows.first;
            rows.count = std::min(kStripRows, m_height - rows.first);
        } else {
            drawBand(piece, scratch.buffer, scratch.strip);
            if (scratch.strip.isNull()) return false;
            rows.strip = &scratch.strip;
            rows.top = m_bands.bandTop(piece);
            rows.count = m_bands.bandRows(piece);
        }
        work(piece, rows);
        return true;
    };

    // A short chart is not worth threads of its own: render --all keeps
    // every core busy with charts already.
    if (threads <= 1 || count < kPiecesForThreads) {
        Scratch scratch;
        for (int k = 0; k < count; ++k) {
            if (!doPiece(pieceAt(k), scratch)) {
                if (noMemory) *noMemory = true;
                return false;
            }
            if (!take(pieceAt(k))) return false;
        }
        return true;
    }

    // Workers take the pieces in the order they are handed on, at most a
    // window of them ahead of the one handed on last, so that what they made
    // and not yet handed on stays a few pieces.
    const int window = 4 * threads;
    std::mutex mutex;
    std::condition_variable pieceDone; // the calling thread waits on it
    std::condition_variable roomFreed; // the workers wait on it
    std::vector<char> done(static_cast<std::size_t>(count), 0);
    int next = 0;
    int handedOn = 0;
    bool stop = false;
    bool failed = false;
    bool outOfMemory = false;
    const auto worker = [&] {
        Scratch scratch;
        for (;;) {
            int k = 0;
            {
                std::unique_lock lock(mutex);
                roomFreed.wait(lock, [&] { return stop || next >= count || next < handedOn + window; });
                if (stop || next >= count) return;
                k = next++;
            }
            bool ok = false;
            bool memory = false;
            try {
                ok = doPiece(pieceAt(k), scratch);
                memory = !ok;
            } catch (const std::bad_alloc&) {
                memory = true;
            } catch (...) {
            }
            std::lock_guard lock(mutex);
            if (ok) done[static_cast<std::size_t>(k)] = 1;
            else {
                failed = true;
                outOfMemory |= memory;
                stop = true;
            }
            // The calling thread is woken for the piece it waits for only.
            if (k == handedOn || stop) pieceDone.notify_one();
        }
    };
    bool takeFailedForMemory = false; // the calling thread's own
    std::vector<std::thread> pool;
    for (int t = 0; t < std::min(threads, count); ++t) pool.emplace_back(worker);
    for (int k = 0; k < count; ++k) {
        {
            std::unique_lock lock(mutex);
            pieceDone.wait(lock, [&] { return stop || done[static_cast<std::size_t>(k)]; });
            if (stop) break;
        }
        bool more = false;
        try {
            more = take(pieceAt(k));
        } catch (const std::bad_alloc&) {
            takeFailedForMemory = true;
        }
        std::lock_guard lock(mutex);
        const bool windowWasFull = next >= handedOn + window;
        handedOn = k + 1;
        if (!more) {
            failed = true;
            stop = true;
        }
        if (windowWasFull || stop) roomFreed.notify_all();
    }
    {
        std::lock_guard lock(mutex);
        stop = true;
        roomFreed.notify_all();
    }
    for (std::thread& t : pool) t.join();
    if (noMemory) *noMemory = outOfMemory || takeFailedForMemory;
    return !failed;
}

} // namespace vexoria
