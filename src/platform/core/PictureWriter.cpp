#include "platform/core/PictureWriter.h"

#include <QFileInfo>

#include "platform/core/JpegWriter.h"
#include "platform/core/OutputFile.h"

namespace vexoria {

PictureFormat pictureFormatFor(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return PictureFormat::Jpeg;
    if (suffix == QLatin1String("bmp")) return PictureFormat::Bmp;
    return PictureFormat::Png;
}

bool writePicture(const QImage& image, const QString& path, QString* error)
{
    if (image.isNull()) {
        if (error) *error = QStringLiteral("cannot write %1: there is no picture").arg(path);
        return false;
    }
    const PictureFormat format = pictureFormatFor(path);
    if (format == PictureFormat::Jpeg) {
        QString reason;
        const QByteArray bytes = encodeJpeg(image, 90, &reason);
        if (bytes.isEmpty()) {
            if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, reason);
            return false;
        }
        return writeOutputBytes(path, bytes, error);
    }
    const char* name = format == PictureFormat::Bmp ? "BMP" : "PNG";
    return writeOutput(
        path,
        [&](QIODevice& device, QString* reason) {
            if (image.save(&device, name)) return true;
            *reason = QStringLiteral("the picture could not be encoded");
            return false;
        },
        error);
}

} // namespace vexoria
