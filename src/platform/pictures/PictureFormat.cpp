#include "platform/pictures/PictureFormat.h"

#include <QFileInfo>
#include <QStringList>

#include "platform/files/OutputFile.h"

namespace vexoria {

QString cannotWrite(const QString& path, const QString& reason)
{
    const QString shown = path == QLatin1String("-") ? QStringLiteral("standard output") : path;
    return QStringLiteral("cannot write %1: %2").arg(shown, reason);
}

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

} // namespace vexoria
