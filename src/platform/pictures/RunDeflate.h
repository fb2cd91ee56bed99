#pragma once
// Deflate (RFC 1951) of data handed in as runs of one byte value. The
// filtered rows of a chart's picture are long runs (white, and no change
// from the row above), and zlib spends its time looking at every byte of
// them to find what is known here already. Each run is coded as zlib's
// run-length mode codes it, one literal and then copies of the byte before
// it (distance 1), in blocks with Huffman codes made for each block; the
// cost is that of the runs, not of the bytes.
//
// The data of one coder ends on a byte boundary without ending the stream,
// so that pieces coded apart (on threads of their own) joined in order are
// one stream; kEndOfStream ends it. The coder keeps the Adler-32 checksum of
// its data, for the zlib wrapper around the pieces (adler32_combine joins
// them).
#include <cstdint>
#include <vector>

#include <QByteArray>

namespace vexoria {

class RunDeflate {
public:
    RunDeflate();

    // length bytes of value, after the data so far.
    void run(unsigned char value, std::int64_t length)
    {
        if (length <= 0) return;
        if (value == m_value && m_length > 0) {
            m_length += length;
            return;
        }
        flushRun();
        m_value = value;
        m_length = length;
    }

    // Codes what is left and ends it on a byte boundary (an empty stored
    // block), the stream not ended; the coder is then spent.
    QByteArray finish();
    // The checksum and length of the data handed in, once finished.
    std::uint32_t adler() const { return m_adlerB << 16 | m_adlerA; }
    std::int64_t length() const { return m_total; }

    // A last block, empty: the end of a stream of pieces.
    static QByteArray endOfStream() { return QByteArray("\x03\x00", 2); }

private:
    // A byte (0..255), or a copy of the byte before of length 3..258
    // (256 + the length).
    using Symbol = std::uint16_t;
    static constexpr int kSymbols = 256 + 259;
    void addToAdler(unsigned char value, std::int64_t length);
    void flushRun();
    void add(Symbol s)
    {
        m_symbols.push_back(s);
        ++m_frequency[s];
        if (m_symbols.size() >= kBlockSymbols) writeBlock();
    }
    void writeBlock();
    void bits(std::uint32_t value, int count);

    unsigned char m_value = 0;
    std::int64_t m_length = 0;
    std::uint32_t m_adlerA = 1;
    std::uint32_t m_adlerB = 0;
    std::int64_t m_total = 0;
    // Symbols coded in one block with one set of codes.
    static constexpr std::size_t kBlockSymbols = std::size_t(1) << 15;
    std::vector<Symbol> m_symbols;
    std::vector<std::uint32_t> m_frequency = std::vector<std::uint32_t>(kSymbols, 0);
    std::vector<unsigned char> m_out;
    std::size_t m_used = 0;
    std::uint64_t m_bitBuffer = 0;
    int m_bitCount = 0;
};

} // namespace vexoria
