#pragma once
// Code text files as the editor reads and writes them: lines, and the
// encoding they were read in, so that saving writes the file back the way it
// came (a Windows-1251 file stays Windows-1251). Every line is written with
// CR LF after it.
#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "platform/text/TextCodec.h"

namespace vexoria {

struct TextFileContents {
    QStringList lines;
    TextEncoding encoding = TextEncoding::Utf8;
};

// The largest text file read: far above any source file, small enough that
// a wrong file dropped on the window cannot take the machine's memory.
constexpr qint64 kMaxTextFileBytes = qint64(64) << 20;

// A byte string holds text when it has no NUL byte (a picture or an
// executable has some early on) or starts with UTF-16's byte-order mark.
bool looksLikeText(const QByteArray& bytes);

// The lines of text bytes: UTF-8 or Windows-1251; CR LF, LF and a lone CR
// all end a line; a final line break makes no empty last line.
TextFileContents decodeTextFile(const QByteArray& bytes);

// Reads path ("-" is standard input). On failure returns nothing and sets
// *error to the reason (the file's name is the caller's to add).
std::optional<QByteArray> readFileBytes(const QString& path, QString* error = nullptr);
std::optional<TextFileContents> readTextFile(const QString& path, QString* error = nullptr);

// The bytes of a text file: each line followed by CR LF. Text that the
// encoding cannot hold (a character Windows-1251 lacks) is written as UTF-8
// instead of losing the character; *used says which encoding was written.
QByteArray textFileBytes(const QStringList& lines, TextEncoding encoding, TextEncoding* used = nullptr);

} // namespace vexoria
