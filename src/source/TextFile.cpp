#include "source/TextFile.h"

#include <cstdio>

#include <QFile>

#include "platform/files/FileNames.h"

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

namespace {

QString tooLarge() { return QStringLiteral("it is larger than %1 MB").arg(kMaxTextFileBytes >> 20); }

} // namespace

std::optional<QByteArray> readFileBytes(const QString& path, QString* error)
{
    // Standard input is taken by its descriptor, unbuffered: every read then
    // waits for the writer, where the stdio handle's reads give up when a
    // pipe holds nothing for the moment.
    QFile f;
    if (path == QLatin1String("-")) {
        if (!f.open(fileno(stdin), QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)) {
            if (error) *error = f.errorString();
            return std::nullopt;
        }
    } else if (!openForReading(f, path, error)) {
        return std::nullopt;
    }
    if (!f.isSequential() && f.size() > kMaxTextFileBytes) {
        if (error) *error = tooLarge();
        return std::nullopt;
    }
    // A pipe hands its bytes over in pieces as the writer makes them: read
    // until the end of the file, not only what the first read brings.
    QByteArray bytes;
    QByteArray chunk(qint64(1) << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 n = f.read(chunk.data(), chunk.size());
        if (n < 0) {
            if (error) *error = f.errorString();
            return std::nullopt;
        }
        if (n == 0) break;
        if (bytes.size() + n > kMaxTextFileBytes) {
            if (error) *error = tooLarge();
            return std::nullopt;
        }
        bytes.append(chunk.constData(), n);
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
