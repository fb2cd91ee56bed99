#pragma once
// Reading a picture file for the diagram view: JPEG through libjpeg, BMP and
// PNG (and whatever else Qt reads) through Qt. The result is a plain opaque
// bitmap, as the drawing pass makes, converted in memory.
#include <optional>

#include <QImage>
#include <QString>

#include "platform/pictures/PictureWriter.h"

namespace vexoria {

// Reads path. format: decode as that format whatever the file is called;
// nothing: the extension decides (.jpg and .jpeg through libjpeg), or, for
// an extension Qt does not know, the file's content. On failure returns
// nothing and sets *error to the reason, in the window's language.
std::optional<QImage> readPicture(const QString& path, std::optional<PictureFormat> format, QString* error = nullptr);

// The image as an opaque RGB32 bitmap; transparent parts become white.
QImage toPlainBitmap(const QImage& image);

} // namespace vexoria
