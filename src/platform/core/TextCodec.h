#pragma once
// Reading code text: UTF-8 (a byte-order mark is dropped) or, when the bytes
// are not valid UTF-8, Windows-1251, which older Pascal sources use.
#include <QByteArray>
#include <QString>

namespace vexoria {

QString decodeCodeText(const QByteArray& bytes);
QString decodeWindows1251(const QByteArray& bytes);
QByteArray encodeWindows1251(const QString& text); // characters it lacks become '?'
bool isValidUtf8(const QByteArray& bytes);

// Every line break (CR LF, LF or a lone CR) becomes CR LF; a final line break
// stays, and none is added.
QString toCrLf(const QString& text);

} // namespace vexoria
