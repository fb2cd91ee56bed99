#pragma once
// JPEG decoding of a picture file with libjpeg. A damaged or cut-off file
// is an error with a reason, never the end of the program and never a
// half-grey picture passed off as the file.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace vexoria {

// Decodes JPEG bytes into an RGB32 image. Returns a null image and sets
// *error when the bytes are no JPEG, the data is damaged or cut off, or the
// picture is too large to hold.
QImage decodeJpeg(const QByteArray& bytes, QString* error = nullptr);

} // namespace vexoria
