#pragma once
// PNG of a picture with few colours as an 8-bit palette image. A chart is
// drawn without antialiasing, in black, white and the palette's colours, so
// its picture fits a palette: a quarter of the pixel data of an RGB PNG, and
// long runs of one index that zlib's run-length mode packs fast and small
// (a 700 x 44,548 chart: about 0.6 MB, where the RGB PNG of Qt's writer takes
// 0.68 MB and four times as long).
#include <optional>

#include <QByteArray>
#include <QImage>
#include <QString>

namespace vexoria {

// The PNG bytes, decoding to exactly the picture's pixels. Nothing when the
// picture has more than 256 colours (any other picture: write it as RGB);
// empty bytes with *error set when it cannot be encoded.
std::optional<QByteArray> encodePalettePng(const QImage& image, QString* error = nullptr);

} // namespace vexoria
