#pragma once
// Reading code text: UTF-16 when the bytes start with its byte-order mark
// (little or big endian, as Windows editors save "Unicode" text), else UTF-8
// (a byte-order mark is dropped) or, when the bytes are not valid UTF-8,
// Windows-1251, which older Pascal sources use.
#include <QByteArray>
#include <QString>

namespace vexoria {

QString decodeCodeText(const QByteArray& bytes);
QString decodeWindows1251(const QByteArray& bytes);
QByteArray encodeWindows1251(const QString& text); // characters it lacks become '?'
bool isValidUtf8(const QByteArray& bytes);

// The encoding a text file was read in, so that saving writes it back the
// same way: UTF-8 (with or without its byte-order mark), UTF-16 with its
// byte-order mark, or Windows-1251.
enum class TextEncoding { Utf8, Utf8WithBom, Utf16LE, Utf16BE, Windows1251 };

TextEncoding detectTextEncoding(const QByteArray& bytes);
// True when every character of text has a Windows-1251 byte.
bool fitsWindows1251(const QString& text);
QByteArray encodeText(const QString& text, TextEncoding encoding);

// Every line break (CR LF, LF or a lone CR) becomes CR LF; a final line break
// stays, and none is added.
QString toCrLf(const QString& text);

// The text as the classifier gets it from the editor: every line ends with
// its line break, the last one too (the classifier makes a line's row at its
// line end, so a last line without one would be lost), and every line break
// is CR LF.
QString classifierText(const QString& text);

} // namespace vexoria
