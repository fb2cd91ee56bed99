#pragma once
// JPEG encoding of the diagram picture with libjpeg.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace vexoria {

// Encodes the image as a baseline JPEG (quality 0..100). Returns an empty
// array and sets *error when libjpeg fails.
QByteArray encodeJpeg(const QImage& image, int quality = 90, QString* error = nullptr);

// Writes the image as a JPEG file; false with *error set on failure.
bool writeJpegFile(const QImage& image, const QString& path, int quality = 90, QString* error = nullptr);

} // namespace vexoria
