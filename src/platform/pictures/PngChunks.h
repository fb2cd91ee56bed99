#pragma once
// The pieces of a PNG file both PNG writers put together: big-endian numbers
// and chunks with their CRC.
#include <zlib.h>

#include <QByteArray>

namespace vexoria::png {

inline void putUint32(QByteArray& out, quint32 v)
{
    const char b[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                       static_cast<char>(v)};
    out.append(b, 4);
}

// A chunk: its length, its type, its data and the CRC of type and data.
inline void putChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    putUint32(out, static_cast<quint32>(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* bytes = reinterpret_cast<const Bytef*>(out.constData() + start);
    putUint32(out, static_cast<quint32>(crc32(0, bytes, static_cast<uInt>(out.size() - start))));
}

} // namespace vexoria::png
