// The deflate coder of runs that the PNG writer codes its rows with: what
// zlib inflates from it is exactly the runs handed in, with the checksum
// zlib computes, also past a block of symbols, with codes the length limit
// cuts short, and for pieces coded apart and joined.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include <zlib.h>

#include <QByteArray>

#include "platform/pictures/RunDeflate.h"

namespace vexoria::test {
namespace {

struct ByteRun {
    unsigned char value;
    int length;
};

QByteArray expanded(const std::vector<ByteRun>& runs)
{
    QByteArray bytes;
    for (const ByteRun& r : runs) bytes.append(r.length, static_cast<char>(r.value));
    return bytes;
}

QByteArray coded(const std::vector<ByteRun>& runs, RunDeflate& coder)
{
    for (const ByteRun& r : runs) coder.run(r.value, r.length);
    return coder.finish();
}

// Raw deflate data inflated; empty when zlib finds it broken or unended.
QByteArray inflated(const QByteArray& deflated, qsizetype expected)
{
    QByteArray out(expected + 16, '\0');
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK) return {};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(deflated.constData()));
    z.avail_in = static_cast<uInt>(deflated.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&z, Z_FINISH);
    out.resize(static_cast<qsizetype>(z.total_out));
    inflateEnd(&z);
    return status == Z_STREAM_END ? out : QByteArray();
}

uLong adlerOf(const QByteArray& bytes)
{
    return adler32_z(1, reinterpret_cast<const Bytef*>(bytes.constData()), static_cast<z_size_t>(bytes.size()));
}

void expectRoundTrip(const std::vector<ByteRun>& runs)
{
    RunDeflate coder;
    const QByteArray data = coded(runs, coder) + RunDeflate::endOfStream();
    const QByteArray bytes = expanded(runs);
    EXPECT_EQ(inflated(data, bytes.size()), bytes);
    EXPECT_EQ(coder.adler(), adlerOf(bytes));
    EXPECT_EQ(coder.length(), bytes.size());
}

TEST(RunDeflate, InflatesToTheRunsWithTheirChecksum)
{
    // Lengths around what one copy holds (258), and runs of one value
    // handed in apart.
    expectRoundTrip({{0, 1}, {7, 2}, {7, 1}, {9, 3}, {0, 258}, {1, 259}, {2, 260}, {3, 261}, {255, 700}, {4, 100000}});
    expectRoundTrip({{42, 1}});
    expectRoundTrip({});

    // Random runs, mostly short: many blocks of symbols.
    std::mt19937 random(7);
    std::vector<ByteRun> runs;
    for (int i = 0; i < 120000; ++i)
        runs.push_back({static_cast<unsigned char>(random() % 256),
                        static_cast<int>(random() % 8 == 0 ? random() % 2000 + 1 : random() % 4 + 1)});
    expectRoundTrip(runs);
}

TEST(RunDeflate, CodesFrequenciesThatWouldMakeCodesTooLong)
{
    // Fibonacci frequencies make the deepest Huffman tree: 26 symbols of
    // them would want codes longer than the 15 bits deflate allows.
    std::vector<ByteRun> runs;
    int a = 1;
    int b = 1;
    for (int v = 0; v < 26; ++v) {
        // Each after another value, so that they are literals each, not one run.
        for (int k = 0; k < a; ++k) {
            runs.push_back({static_cast<unsigned char>(v), 1});
            runs.push_back({200, 1});
        }
        const int next = a + b;
        a = b;
        b = next;
    }
    expectRoundTrip(runs);
}

TEST(RunDeflate, PiecesCodedApartJoinIntoOneStream)
{
    const std::vector<ByteRun> first{{2, 1}, {0, 700}, {5, 40}};
    const std::vector<ByteRun> second{{0, 30}, {5, 1}, {0, 669}};
    RunDeflate one;
    RunDeflate two;
    const QByteArray data = coded(first, one) + coded(second, two) + RunDeflate::endOfStream();
    const QByteArray bytes = expanded(first) + expanded(second);
    EXPECT_EQ(inflated(data, bytes.size()), bytes);
    EXPECT_EQ(adler32_combine(one.adler(), two.adler(), static_cast<z_off_t>(two.length())), adlerOf(bytes));
}

} // namespace
} // namespace vexoria::test
