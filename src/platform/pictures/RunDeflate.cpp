#include "platform/pictures/RunDeflate.h"

#include <algorithm>
#include <array>

namespace vexoria {

namespace {

constexpr std::uint32_t kAdlerBase = 65521;
constexpr int kLitLenCodes = 286;
constexpr int kDistCodes = 30;
constexpr int kLengthCodes = 19;
constexpr int kMaxBits = 15;
constexpr int kMaxLengthBits = 7;
constexpr int kEndOfBlock = 256;

// The first length of each length code from 257 on, and its extra bits.
constexpr std::array<int, 29> kLengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                          31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
// The order the lengths of the code-length codes are sent in.
constexpr std::array<int, kLengthCodes> kLengthOrder{16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

// The length code (its index from 257) of each copy length 3..258.
const std::array<std::uint8_t, 259>& lengthIndex()
{
    static const std::array<std::uint8_t, 259> table = [] {
        std::array<std::uint8_t, 259> t{};
        int code = 0;
        for (int length = 3; length <= 258; ++length) {
            while (code + 1 < 29 && kLengthBase[static_cast<std::size_t>(code + 1)] <= length) ++code;
            t[static_cast<std::size_t>(length)] = static_cast<std::uint8_t>(code);
        }
        return t;
    }();
    return table;
}

// Huffman code lengths for the frequencies, none longer than limit; at
// least two symbols get a code, as decoders want a code of more than one.
// Where the codes would grow too long, the frequencies are flattened and
// the codes made again.
void codeLengths(const std::uint32_t* frequencies, int n, int limit, std::uint8_t* lengths)
{
    std::vector<std::uint32_t> f(frequencies, frequencies + n);
    int used = static_cast<int>(std::count_if(f.begin(), f.end(), [](std::uint32_t x) { return x > 0; }));
    for (int i = 0; used < 2 && i < n; ++i)
        if (f[static_cast<std::size_t>(i)] == 0) {
            f[static_cast<std::size_t>(i)] = 1;
            ++used;
        }
    std::fill(lengths, lengths + n, 0);
    for (;;) {
        std::vector<int> leaves;
        for (int i = 0; i < n; ++i)
            if (f[static_cast<std::size_t>(i)] > 0) leaves.push_back(i);
        std::stable_sort(leaves.begin(), leaves.end(),
                         [&](int a, int b) { return f[static_cast<std::size_t>(a)] < f[static_cast<std::size_t>(b)]; });
        const int m = static_cast<int>(leaves.size());
        // Leaves 0..m-1, then the joined nodes in the order they are made,
        // which is also the order of their weights.
        std::vector<std::uint64_t> weight(static_cast<std::size_t>(2 * m - 1));
        std::vector<int> parent(static_cast<std::size_t>(2 * m - 1), 0);
        for (int k = 0; k < m; ++k)
            weight[static_cast<std::size_t>(k)] = f[static_cast<std::size_t>(leaves[static_cast<std::size_t>(k)])];
        int leaf = 0;
        int joined = m;
        const auto lightest = [&](int made) {
            if (leaf < m &&
                (joined >= made || weight[static_cast<std::size_t>(leaf)] <= weight[static_cast<std::size_t>(joined)]))
                return leaf++;
            return joined++;
        };
        for (int made = m; made < 2 * m - 1; ++made) {
            const int a = lightest(made);
            const int b = lightest(made);
            weight[static_cast<std::size_t>(made)] =
                weight[static_cast<std::size_t>(a)] + weight[static_cast<std::size_t>(b)];
            parent[static_cast<std::size_t>(a)] = made;
            parent[static_cast<std::size_t>(b)] = made;
        }
        std::vector<int> depth(static_cast<std::size_t>(2 * m - 1), 0);
        int deepest = 0;
        for (int k = 2 * m - 3; k >= 0; --k) {
            depth[static_cast<std::size_t>(k)] =
                depth[static_cast<std::size_t>(parent[static_cast<std::size_t>(k)])] + 1;
            if (k < m) deepest = std::max(deepest, depth[static_cast<std::size_t>(k)]);
        }
        if (deepest <= limit) {
            for (int k = 0; k < m; ++k)
                lengths[leaves[static_cast<std::size_t>(k)]] =
                    static_cast<std::uint8_t>(depth[static_cast<std::size_t>(k)]);
            return;
        }
        for (std::uint32_t& x : f)
            if (x > 0) x = (x >> 1) | 1;
    }
}

// The canonical codes of the lengths, bits reversed as deflate sends them.
void canonicalCodes(const std::uint8_t* lengths, int n, std::uint16_t* codes)
{
    std::array<int, kMaxBits + 1> count{};
    for (int i = 0; i < n; ++i) ++count[lengths[i]];
    count[0] = 0;
    std::array<int, kMaxBits + 2> next{};
    int code = 0;
    for (int bits = 1; bits <= kMaxBits; ++bits) {
        code = (code + count[static_cast<std::size_t>(bits - 1)]) << 1;
        next[static_cast<std::size_t>(bits)] = code;
    }
    for (int i = 0; i < n; ++i) {
        const int length = lengths[i];
        if (length == 0) continue;
        int c = next[static_cast<std::size_t>(length)]++;
        int reversed = 0;
        for (int b = 0; b < length; ++b, c >>= 1) reversed = reversed << 1 | (c & 1);
        codes[i] = static_cast<std::uint16_t>(reversed);
    }
}

} // namespace

RunDeflate::RunDeflate() { m_symbols.reserve(kBlockSymbols + 8); }

void RunDeflate::addToAdler(unsigned char value, std::int64_t length)
{
    // length bytes of value added one by one: a grows by value each, b by
    // each new a.
    if (length == 1) {
        m_adlerA += value;
        if (m_adlerA >= kAdlerBase) m_adlerA -= kAdlerBase;
        m_adlerB += m_adlerA;
        if (m_adlerB >= kAdlerBase) m_adlerB -= kAdlerBase;
        ++m_total;
        return;
    }
    if (length <= 4096) {
        // Small enough for 32 bits: n * a < 2^28, value * n(n+1)/2 < 2^32 - 2^28.
        const std::uint32_t n = static_cast<std::uint32_t>(length);
        m_adlerB =
            (m_adlerB + n * m_adlerA % kAdlerBase + value * (n * (n + 1) / 2 % kAdlerBase) % kAdlerBase) % kAdlerBase;
        m_adlerA = (m_adlerA + n * value) % kAdlerBase;
        m_total += length;
        return;
    }
    const std::uint64_t n = static_cast<std::uint64_t>(length);
    const std::uint64_t nMod = n % kAdlerBase;
    const std::uint64_t triangle =
        n % 2 == 0 ? (n / 2 % kAdlerBase) * ((n + 1) % kAdlerBase) : nMod * ((n + 1) / 2 % kAdlerBase);
    m_adlerB = static_cast<std::uint32_t>((m_adlerB + nMod * m_adlerA + value * (triangle % kAdlerBase)) % kAdlerBase);
    m_adlerA = static_cast<std::uint32_t>((m_adlerA + nMod * value) % kAdlerBase);
    m_total += length;
}

void RunDeflate::flushRun()
{
    if (m_length <= 0) return;
    addToAdler(m_value, m_length);
    add(m_value);
    std::int64_t left = m_length - 1;
    while (left >= 3) {
        const std::int64_t copy = std::min<std::int64_t>(left, 258);
        add(static_cast<Symbol>(256 + copy));
        left -= copy;
    }
    for (; left > 0; --left) add(m_value);
    m_length = 0;
}

void RunDeflate::bits(std::uint32_t value, int count)
{
    // At most 31 bits wait, and no code or extra is longer than 16.
    m_bitBuffer |= std::uint64_t(value) << m_bitCount;
    m_bitCount += count;
    if (m_bitCount >= 32) {
        // Room was made for the block before it was begun.
        for (int k = 0; k < 4; ++k) m_out[m_used++] = static_cast<unsigned char>(m_bitBuffer >> (8 * k));
        m_bitBuffer >>= 32;
        m_bitCount -= 32;
    }
}

void RunDeflate::writeBlock()
{
    if (m_symbols.empty()) return;
    // No symbol takes more than three bytes; the header a few hundred.
    m_out.resize(m_used + 3 * m_symbols.size() + 1024);
    const auto& index = lengthIndex();
    std::array<std::uint32_t, kLitLenCodes> litFreq{};
    std::array<std::uint32_t, kDistCodes> distFreq{};
    for (int s = 0; s < 256; ++s) litFreq[static_cast<std::size_t>(s)] = m_frequency[static_cast<std::size_t>(s)];
    for (int length = 3; length <= 258; ++length) {
        const std::uint32_t n = m_frequency[static_cast<std::size_t>(256 + length)];
        litFreq[257u + index[static_cast<std::size_t>(length)]] += n;
        distFreq[0] += n;
    }
    std::fill(m_frequency.begin(), m_frequency.end(), 0);
    litFreq[kEndOfBlock] = 1;
    std::array<std::uint8_t, kLitLenCodes> litLengths{};
    std::array<std::uint8_t, kDistCodes> distLengths{};
    codeLengths(litFreq.data(), kLitLenCodes, kMaxBits, litLengths.data());
    codeLengths(distFreq.data(), kDistCodes, kMaxBits, distLengths.data());
    std::array<std::uint16_t, kLitLenCodes> litCodes{};
    std::array<std::uint16_t, kDistCodes> distCodes{};
    canonicalCodes(litLengths.data(), kLitLenCodes, litCodes.data());
    canonicalCodes(distLengths.data(), kDistCodes, distCodes.data());

    int litCount = kLitLenCodes;
    while (litCount > 257 && litLengths[static_cast<std::size_t>(litCount - 1)] == 0) --litCount;
    int distCount = kDistCodes;
    while (distCount > 1 && distLengths[static_cast<std::size_t>(distCount - 1)] == 0) --distCount;

    // Both code lengths in one sequence, its repeats coded as 16, 17, 18.
    std::vector<std::uint8_t> all(litLengths.begin(), litLengths.begin() + litCount);
    all.insert(all.end(), distLengths.begin(), distLengths.begin() + distCount);
    struct LengthSymbol {
        std::uint8_t symbol;
        std::uint8_t extra;
    };
    std::vector<LengthSymbol> sequence;
    for (std::size_t i = 0; i < all.size();) {
        const std::uint8_t v = all[i];
        std::size_t run = 1;
        while (i + run < all.size() && all[i + run] == v) ++run;
        i += run;
        if (v == 0) {
            while (run >= 11) {
                const std::size_t take = std::min<std::size_t>(run, 138);
                sequence.push_back({18, static_cast<std::uint8_t>(take - 11)});
                run -= take;
            }
            if (run >= 3) {
                sequence.push_back({17, static_cast<std::uint8_t>(run - 3)});
                run = 0;
            }
        } else {
            sequence.push_back({v, 0});
            --run;
            while (run >= 3) {
                const std::size_t take = std::min<std::size_t>(run, 6);
                sequence.push_back({16, static_cast<std::uint8_t>(take - 3)});
                run -= take;
            }
        }
        for (; run > 0; --run) sequence.push_back({v, 0});
    }
    std::array<std::uint32_t, kLengthCodes> lengthFreq{};
    for (const LengthSymbol& s : sequence) ++lengthFreq[s.symbol];
    std::array<std::uint8_t, kLengthCodes> lengthLengths{};
    std::array<std::uint16_t, kLengthCodes> lengthCodes{};
    codeLengths(lengthFreq.data(), kLengthCodes, kMaxLengthBits, lengthLengths.data());
    canonicalCodes(lengthLengths.data(), kLengthCodes, lengthCodes.data());
    int lengthCount = kLengthCodes;
    while (lengthCount > 4 &&
           lengthLengths[static_cast<std::size_t>(kLengthOrder[static_cast<std::size_t>(lengthCount - 1)])] == 0)
        --lengthCount;

    bits(0, 1); // not the last block
    bits(2, 2); // Huffman codes of its own
    bits(static_cast<std::uint32_t>(litCount - 257), 5);
    bits(static_cast<std::uint32_t>(distCount - 1), 5);
    bits(static_cast<std::uint32_t>(lengthCount - 4), 4);
    for (int k = 0; k < lengthCount; ++k)
        bits(lengthLengths[static_cast<std::size_t>(kLengthOrder[static_cast<std::size_t>(k)])], 3);
    for (const LengthSymbol& s : sequence) {
        bits(lengthCodes[s.symbol], lengthLengths[s.symbol]);
        if (s.symbol == 16) bits(s.extra, 2);
        else if (s.symbol == 17) bits(s.extra, 3);
        else if (s.symbol == 18) bits(s.extra, 7);
    }
    // Each symbol's bits whole: a copy's length code, its extra bits and the
    // code of distance 1 (one bit: the distances have two codes, the one
    // used and one more) are at most 15 + 5 + 1 bits.
    std::array<std::uint32_t, kSymbols> whole{};
    std::array<std::uint8_t, kSymbols> wholeBits{};
    for (int s = 0; s < 256; ++s) {
        whole[static_cast<std::size_t>(s)] = litCodes[static_cast<std::size_t>(s)];
        wholeBits[static_cast<std::size_t>(s)] = litLengths[static_cast<std::size_t>(s)];
    }
    for (int length = 3; length <= 258; ++length) {
        const std::size_t code = index[static_cast<std::size_t>(length)];
        const int codeBits = litLengths[257 + code];
        const int extraBits = kLengthExtra[code];
        whole[static_cast<std::size_t>(256 + length)] =
            litCodes[257 + code] | static_cast<std::uint32_t>(length - kLengthBase[code]) << codeBits |
            static_cast<std::uint32_t>(distCodes[0]) << (codeBits + extraBits);
        wholeBits[static_cast<std::size_t>(256 + length)] =
            static_cast<std::uint8_t>(codeBits + extraBits + distLengths[0]);
    }
    for (const Symbol s : m_symbols) bits(whole[s], wholeBits[s]);
    bits(litCodes[kEndOfBlock], litLengths[kEndOfBlock]);
    m_symbols.clear();
}

QByteArray RunDeflate::finish()
{
    flushRun();
    writeBlock();
    // An empty stored block brings the data to a byte boundary.
    m_out.resize(m_used + 16);
    bits(0, 1);
    bits(0, 2);
    if (m_bitCount % 8 != 0) bits(0, 8 - m_bitCount % 8);
    m_out.resize(m_used);
    for (; m_bitCount > 0; m_bitCount -= 8, m_bitBuffer >>= 8) m_out.push_back(static_cast<unsigned char>(m_bitBuffer));
    for (const unsigned char b : {0x00, 0x00, 0xFF, 0xFF}) m_out.push_back(b);
    QByteArray out(reinterpret_cast<const char*>(m_out.data()), static_cast<qsizetype>(m_out.size()));
    m_out.clear();
    m_used = 0;
    return out;
}

} // namespace vexoria
