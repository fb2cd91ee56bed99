#include "platform/pictures/JpegWriter.h"
#include "platform/files/OutputFile.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace vexoria {

namespace {

// libjpeg's own error handler ends the process; this one jumps back.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void onJpegError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Everything that needs cleaning up after a longjmp lives outside the
// function that calls setjmp.
struct Encoder {
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<JSAMPLE> line;

    ~Encoder()
    {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
    }

    bool run(const QImage& rgb, int quality)
    {
        cinfo.err = jpeg_std_error(&err.pub);
        err.pub.error_exit = onJpegError;
        if (setjmp(err.jump)) return false;
        jpeg_create_compress(&cinfo);
        jpeg_mem_dest(&cinfo, &buffer, &size);
        cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
        cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, quality, TRUE);
        jpeg_start_compress(&cinfo, TRUE);
        line.resize(static_cast<std::size_t>(rgb.width()) * 3);
        while (cinfo.next_scanline < cinfo.image_height) {
            const uchar* src = rgb.constScanLine(static_cast<int>(cinfo.next_scanline));
            std::copy(src, src + line.size(), line.begin());
            JSAMPROW row = line.data();
            jpeg_write_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_compress(&cinfo);
        return true;
    }
};

} // namespace

QByteArray encodeJpeg(const QImage& image, int quality, QString* error)
{
    if (image.isNull()) {
        if (error) *error = QStringLiteral("no picture");
        return {};
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        if (error) *error = QStringLiteral("out of memory");
        return {};
    }
    Encoder enc;
    if (!enc.run(rgb, quality)) {
        if (error) *error = QString::fromLocal8Bit(enc.err.message);
        return {};
    }
    return QByteArray(reinterpret_cast<const char*>(enc.buffer), static_cast<qsizetype>(enc.size));
}

bool writeJpegFile(const QImage& image, const QString& path, int quality, QString* error)
{
    QString reason;
    const QByteArray bytes = encodeJpeg(image, quality, &reason);
    if (bytes.isEmpty()) {
        if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, reason);
        return false;
    }
    return writeOutputBytes(path, bytes, error);
}

} // namespace vexoria
