#include "platform/pictures/PictureReader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "platform/drawing/Diagram.h"
#include "platform/pictures/JpegReader.h"

namespace vexoria {

namespace {

// A picture file larger than this cannot be a picture the view can hold.
constexpr qint64 kMaxPictureFileBytes = qint64(512) << 20;

std::optional<QByteArray> readBytes(const QString& path, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("файл не читается (%1)").arg(f.errorString());
        return std::nullopt;
    }
    if (f.size() > kMaxPictureFileBytes) {
        if (error) *error = QStringLiteral("файл слишком велик для рисунка");
        return std::nullopt;
    }
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error) *error = QStringLiteral("файл не читается (%1)").arg(f.errorString());
        return std::nullopt;
    }
    return bytes;
}

std::optional<QImage> readWithQt(QByteArray bytes, const QByteArray& format, QString* error)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // An unknown extension: let the content say what the file is.
    if (format.isEmpty()) reader.setAutoDetectImageFormat(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > Diagram::kMaxPictureBytes) {
        if (error) *error = QStringLiteral("рисунок %1×%2 слишком велик").arg(size.width()).arg(size.height());
        return std::nullopt;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        if (error) {
            *error = reader.error() == QImageReader::UnsupportedFormatError
                         ? QStringLiteral("формат файла не распознан")
                         : QStringLiteral("файл повреждён или обрезан (%1)").arg(reader.errorString());
        }
        return std::nullopt;
    }
    return image;
}

} // namespace

QImage toPlainBitmap(const QImage& image)
{
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    QImage plain(image.size(), QImage::Format_RGB32);
    if (plain.isNull()) return plain;
    plain.fill(Qt::white);
    QPainter p(&plain);
    p.drawImage(0, 0, image);
    return plain;
}

std::optional<QImage> readPicture(const QString& path, std::optional<PictureFormat> format, QString* error)
{
    const auto bytes = readBytes(path, error);
    if (!bytes) return std::nullopt;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!format) {
        if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) format = PictureFormat::Jpeg;
        else if (suffix == QLatin1String("bmp")) format = PictureFormat::Bmp;
        else if (suffix == QLatin1String("png")) format = PictureFormat::Png;
        else if (bytes->startsWith("\xFF\xD8\xFF")) format = PictureFormat::Jpeg;
    }

    std::optional<QImage> image;
    if (format == PictureFormat::Jpeg) {
        QImage decoded = decodeJpeg(*bytes, error);
        if (!decoded.isNull()) image = std::move(decoded);
    } else {
        const QByteArray name = format == PictureFormat::Bmp   ? QByteArray("bmp")
                                : format == PictureFormat::Png ? QByteArray("png")
                                                               : QByteArray();
        image = readWithQt(*bytes, name, error);
    }
    if (!image) return std::nullopt;
    QImage plain = toPlainBitmap(*image);
    if (plain.isNull()) {
        if (error) *error = QStringLiteral("недостаточно памяти для рисунка");
        return std::nullopt;
    }
    return plain;
}

} // namespace vexoria
