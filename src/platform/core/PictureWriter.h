#pragma once
// Writing the diagram picture to a file, the format chosen by the file's
// extension: .jpg/.jpeg (libjpeg), .bmp, otherwise PNG.
#include <QImage>
#include <QString>

namespace vexoria {

enum class PictureFormat { Png, Bmp, Jpeg };

PictureFormat pictureFormatFor(const QString& path);

// False with *error set when the file cannot be written.
bool writePicture(const QImage& image, const QString& path, QString* error = nullptr);

} // namespace vexoria
