#include "cli/UnitJobs.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace vexoria::cli::work {

namespace {

// Numbers as 4 bytes, blobs with their length.
void putNumber(QByteArray& out, std::int32_t n) { out.append(reinterpret_cast<const char*>(&n), sizeof n); }

void putBlob(QByteArray& out, const QByteArray& blob)
{
    putNumber(out, static_cast<std::int32_t>(blob.size()));
    out.append(blob);
}

struct Reader {
    const QByteArray& data;
    qsizetype at = 0;
    std::int32_t number()
    {
        std::int32_t n = 0;
        std::memcpy(&n, data.constData() + at, sizeof n);
        at += sizeof n;
        return n;
    }
    QByteArray blob()
    {
        const std::int32_t n = number();
        QByteArray b = data.mid(at, n);
        at += n;
        return b;
    }
};

} // namespace

QByteArray encode(const Job& j)
{
    QByteArray out;
    putNumber(out, j.unit);
    putNumber(out, j.open ? 1 : 0);
    putNumber(out, j.first);
    putNumber(out, j.count);
    return out;
}

Job decodeJob(const QByteArray& data)
{
    Reader r{data};
    Job j;
    j.unit = r.number();
    j.open = r.number() != 0;
    j.first = r.number();
    j.count = r.number();
    return j;
}

QByteArray encode(const Answer& a)
{
    QByteArray out;
    putNumber(out, a.unit);
    putNumber(out, a.parts ? 1 : 0);
    if (a.parts) {
        putNumber(out, *a.parts);
        putBlob(out, a.opened);
    }
    putNumber(out, a.first);
    putNumber(out, static_cast<std::int32_t>(a.done.size()));
    for (const QByteArray& d : a.done) putBlob(out, d);
    putNumber(out, static_cast<std::int32_t>(a.failure));
    putBlob(out, a.why);
    return out;
}

Answer decodeAnswer(const QByteArray& data)
{
    Reader r{data};
    Answer a;
    a.unit = r.number();
    if (r.number()) {
        a.parts = r.number();
        a.opened = r.blob();
    }
    a.first = r.number();
    const int n = r.number();
    for (int i = 0; i < n; ++i) a.done.push_back(r.blob());
    a.failure = static_cast<Failure>(r.number());
    a.why = r.blob();
    return a;
}

namespace {

bool writeAll(int fd, const QByteArray& data)
{
    qsizetype at = 0;
    while (at < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + at, static_cast<size_t>(data.size() - at));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
    }
    return true;
}

bool readAll(int fd, char* into, std::size_t size)
{
    std::size_t at = 0;
    while (at < size) {
        const ssize_t n = ::read(fd, into + at, size - at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

// A framed message: its length, then its bytes.
bool sendMessage(int fd, const QByteArray& body)
{
    QByteArray framed;
    putBlob(framed, body);
    return writeAll(fd, framed);
}

std::optional<QByteArray> receiveMessage(int fd)
{
    std::int32_t size = 0;
    if (!readAll(fd, reinterpret_cast<char*>(&size), sizeof size) || size < 0) return std::nullopt;
    QByteArray body(size, Qt::Uninitialized);
    if (!readAll(fd, body.data(), static_cast<std::size_t>(size))) return std::nullopt;
    return body;
}

} // namespace vexoria::cli::work
