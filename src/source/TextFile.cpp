#include "source/TextFile.h"

#include <cstdio>

#include <QFile>

namespace vexoria {

bool looksLikeText(const QByteArray& bytes)
{
    // UTF-16 holds a NUL byte in every Latin letter; its byte-order mark
    // says what it is.
    const TextEncoding e = detectTextEncoding(bytes);
    return e == TextEncoding::Utf16LE || e == TextEncoding::Utf16BE || !bytes.contains('\0');
}

TextFileContents decodeTextFile(const QByteArray& bytes)
{
    TextFileContents contents;
    contents.encoding = detectTextEncoding(bytes);
    const QString text = toCrLf(decodeCodeText(bytes));
    if (text.isEmpty()) return contents;
    contents.lines = text.split(QStringLiteral("\r\n"));
    // "a\r\n" splits into "a" and "": the final break ends the last line.
    if (contents.lines.last().isEmpty()) contents.lines.removeLast();
    return contents;
}

std::optional<QByteArray> readFileBytes(const QString& path, QString* error)
{
    QFile f;
    const bool ok = path == QLatin1String("-") ? f.open(stdin, QIODevice::ReadOnly)
                                               : (f.setFileName(path), f.open(QIODevice::ReadOnly));
    if (!ok) {
        if (error) *error = f.errorString();
        return std::nullopt;
    }
    // A regular file's size is known before reading; standard input is
    // read up to the limit and checked after.
    if (!f.isSequential() && f.size() > kMaxTextFileBytes) {
        if (error) *error = QStringLiteral("the file is larger than %1 MB").arg(kMaxTextFileBytes >> 20);
        return std::nullopt;
    }
    const QByteArray bytes = f.read(kMaxTextFileBytes + 1);
    if (f.error() != QFileDevice::NoError) {
        if (error) *error = f.errorString();
        return std::nullopt;
    }
    if (bytes.size() > kMaxTextFileBytes) {
        if (error) *error = QStringLiteral("the file is larger than %1 MB").arg(kMaxTextFileBytes >> 20);
        return std::nullopt;
    }
    return bytes;
}

std::optional<TextFileContents> readTextFile(const QString& path, QString* error)
{
    const auto bytes = readFileBytes(path, error);
    if (!bytes) return std::nullopt;
    return decodeTextFile(*bytes);
}

QByteArray textFileBytes(const QStringList& lines, TextEncoding encoding, TextEncoding* used)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    if (encoding == TextEncoding::Windows1251 && !fitsWindows1251(text)) encoding = TextEncoding::Utf8;
    if (used) *used = encoding;
    return encodeText(text, encoding);
}

} // namespace vexoria
