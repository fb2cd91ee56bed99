#pragma once
// File names as the system keeps them: bytes. A name in UTF-8 becomes the
// text it spells; a byte that is not part of UTF-8 (a name made under
// Windows-1251) is kept as the lone surrogate U+DC80 + (byte - 0x80), which
// no real text holds, so that the name reaches the system again byte for
// byte. Qt's own name conversion would turn such a byte into U+FFFD and open
// or make another file.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace vexoria {

QString fileNameFromBytes(const QByteArray& bytes);
QByteArray fileNameBytes(const QString& name);

// Whether name holds a byte that is not UTF-8, which only the functions
// below (and the program's output writer) open under its own name.
bool holdsRawBytes(const QString& name);

// Opens path for reading; false with *reason set when it cannot be.
bool openForReading(QFile& file, const QString& path, QString* reason = nullptr);

// Makes the folder path and the folders above it that are missing.
bool makeFolders(const QString& path);

} // namespace vexoria
