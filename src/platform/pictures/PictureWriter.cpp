#include "platform/pictures/PictureWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QStringList>

#include "platform/pictures/JpegWriter.h"
#include "platform/files/OutputFile.h"
#include "platform/pictures/PalettePng.h"

namespace vexoria {

QString cannotWrite(const QString& path, const QString& reason)
{
    const QString shown = path == QLatin1String("-") ? QStringLiteral("standard output") : path;
    return QStringLiteral("cannot write %1: %2").arg(shown, reason);
}

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

const std::vector<PictureFormatInfo>& pictureFormats()
{
    static const std::vector<PictureFormatInfo> formats{
        {PictureFormat::Png, "PNG", {"png"}},           {PictureFormat::Bmp, "BMP", {"bmp"}},
        {PictureFormat::Jpeg, "JPEG", {"jpg", "jpeg"}}, {PictureFormat::Svg, "SVG", {"svg"}},
        {PictureFormat::Pdf, "PDF", {"pdf"}},
    };
    return formats;
}

std::optional<VectorFormat> vectorFormat(PictureFormat format)
{
    if (format == PictureFormat::Svg) return VectorFormat::Svg;
    if (format == PictureFormat::Pdf) return VectorFormat::Pdf;
    return std::nullopt;
}

std::optional<PictureFormat> pictureFormatFor(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty()) return std::nullopt;
    for (const PictureFormatInfo& f : pictureFormats())
        for (const char* s : f.suffixes)
            if (suffix == QLatin1String(s)) return f.format;
    return std::nullopt;
}

QString pictureSuffixList()
{
    QStringList all;
    for (const PictureFormatInfo& f : pictureFormats())
        for (const char* s : f.suffixes) all << u'.' + QString::fromLatin1(s);
    return all.join(QStringLiteral(", "));
}

std::optional<PictureFormat> outputPictureFormat(const QString& path, QString* error)
{
    if (const auto f = pictureFormatFor(path)) return f;
    if (QFileInfo(path).suffix().isEmpty() && isStreamTarget(path)) return PictureFormat::Png;
    if (error)
        *error =
            cannotWrite(path, QStringLiteral("the extension names no picture format; use %1").arg(pictureSuffixList()));
    return std::nullopt;
}

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
