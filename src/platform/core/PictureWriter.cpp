#include "platform/core/PictureWriter.h"

#include <QFileInfo>
#include <QSaveFile>

#include "platform/core/JpegWriter.h"

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
        if (error) *error = QStringLiteral("no picture");
        return false;
    }
    const PictureFormat format = pictureFormatFor(path);
    if (format == PictureFormat::Jpeg) return writeJpegFile(image, path, 90, error);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        if (error) *error = f.errorString();
        return false;
    }
    const char* name = format == PictureFormat::Bmp ? "BMP" : "PNG";
    if (!image.save(&f, name) || !f.commit()) {
        if (error) *error = f.errorString().isEmpty() ? QStringLiteral("cannot write the picture") : f.errorString();
        return false;
    }
    return true;
}

} // namespace vexoria
