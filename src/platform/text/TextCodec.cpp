#include "platform/text/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vexoria {

namespace {
// Windows-1251 bytes 0x80..0xFF; 0x98 is unassigned and maps to U+FFFD.
constexpr char16_t kCp1251High[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};
} // namespace

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = dec.decode(bytes);
    return !dec.hasError();
}

QString decodeWindows1251(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(b < 0x80 ? QChar(b) : QChar(kCp1251High[b - 0x80]));
    }
    return out;
}

namespace {
// The Windows-1251 byte of u, or 0 when the code page lacks it.
unsigned char cp1251Byte(char16_t u)
{
    if (u < 0x80) return static_cast<unsigned char>(u);
    if (u == 0xFFFD) return 0;
    for (int i = 0; i < 128; ++i)
        if (kCp1251High[i] == u) return static_cast<unsigned char>(0x80 + i);
    return 0;
}
} // namespace

QByteArray encodeWindows1251(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const unsigned char b = cp1251Byte(c.unicode());
        out.append(b != 0 || c.unicode() == 0 ? static_cast<char>(b) : '?');
    }
    return out;
}

bool fitsWindows1251(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() != 0 && cp1251Byte(c.unicode()) == 0) return false;
    return true;
}

TextEncoding detectTextEncoding(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE")) return TextEncoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF")) return TextEncoding::Utf16BE;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return isValidUtf8(bytes.mid(3)) ? TextEncoding::Utf8WithBom : TextEncoding::Windows1251;
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1251;
}

QByteArray encodeText(const QString& text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1251: return encodeWindows1251(text);
    case TextEncoding::Utf8WithBom: return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        QStringEncoder enc(encoding == TextEncoding::Utf16LE ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                           QStringEncoder::Flag::WriteBom);
        return enc.encode(text);
    }
    case TextEncoding::Utf8: break;
    }
    return text.toUtf8();
}

QString decodeCodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder dec(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                           QStringDecoder::Flag::Stateless);
        return dec.decode(bytes.mid(2));
    }
    QByteArray b = bytes;
    if (b.startsWith("\xEF\xBB\xBF")) b.remove(0, 3);
    if (isValidUtf8(b)) return QString::fromUtf8(b);
    return decodeWindows1251(b);
}

QString toCrLf(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            out += QStringLiteral("\r\n");
            if (i + 1 < n && text[i + 1] == u'\n') ++i;
        } else if (c == u'\n') {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

QString classifierText(const QString& text)
{
    QString t = text;
    if (!t.isEmpty() && !t.endsWith(u'\n') && !t.endsWith(u'\r')) t += u'\n';
    return toCrLf(t);
}

} // namespace vexoria
