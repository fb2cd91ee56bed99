#pragma once
// Writing the diagram picture to a file, in the format its extension names
// (PictureFormat.h).
#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/pictures/PictureFormat.h"

namespace vexoria {

// The picture's bytes in format; empty with *error set when encoding fails
// or the format is a vector one.
QByteArray encodePicture(const QImage& image, PictureFormat format, QString* error = nullptr);

// Encodes the whole picture first and then writes it through writeOutput, so
// a failure is one message naming the file and the reason and the old file
// stays as it was. False with *error set when it cannot be written.
bool writePicture(const QImage& image, const QString& path, QString* error = nullptr);

} // namespace vexoria
