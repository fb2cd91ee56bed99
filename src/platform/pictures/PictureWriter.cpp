#include "platform/pictures/PictureWriter.h"

#include <QBuffer>
#include <QImageWriter>
#include <QStringList>

#include "platform/pictures/JpegWriter.h"
#include "platform/files/OutputFile.h"
#include "platform/pictures/PalettePng.h"

namespace vexoria {

namespace {

// Qt's own encoders write into memory, where no write can fail half-way:
// an encoder that meets a refused write prints its own error lines and may
// still report success.
QByteArray encodeWithQt(const QImage& image, const char* format, QString* error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        if (error) *error = writer.errorString();
        return {};
    }
    return bytes;
}

} // namespace

QByteArray encodePicture(const QImage& image, PictureFormat format, QString* error)
{
    if (image.isNull()) {
        if (error) *error = QStringLiteral("there is no picture");
        return {};
    }
    QString reason;
    QByteArray bytes;
    switch (format) {
    case PictureFormat::Png:
        // A chart's picture always fits a palette; any other picture is RGB.
        if (auto palette = encodePalettePng(image, &reason)) bytes = std::move(*palette);
        else bytes = encodeWithQt(image, "png", &reason);
        break;
    case PictureFormat::Bmp: bytes = encodeWithQt(image, "bmp", &reason); break;
    case PictureFormat::Jpeg: bytes = encodeJpeg(image, 90, &reason); break;
    case PictureFormat::Svg:
    case PictureFormat::Pdf:
        reason = QStringLiteral("an SVG or PDF chart is drawn from its build, not from a picture");
        break;
    }
    if (bytes.isEmpty() && error)
        *error = reason.isEmpty() ? QStringLiteral("the picture could not be encoded") : reason;
    return bytes;
}

bool writePicture(const QImage& image, const QString& path, QString* error)
{
    const std::optional<PictureFormat> format = outputPictureFormat(path, error);
    if (!format) return false;
    QString reason;
    const QByteArray bytes = encodePicture(image, *format, &reason);
    if (bytes.isEmpty()) {
        if (error) *error = cannotWrite(path, reason);
        return false;
    }
    return writeOutputBytes(path, bytes, error);
}

} // namespace vexoria
