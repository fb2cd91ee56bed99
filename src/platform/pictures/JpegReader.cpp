#include "platform/pictures/JpegReader.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include "platform/drawing/Diagram.h"

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace vexoria {

namespace {

// libjpeg's own error handler ends the process; this one jumps back. Its
// warnings go on decoding with grey or garbled pixels where data is missing;
// those that mean lost picture data fail the decode as well.
struct ReadErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool dataLost = false;
};

extern "C" void onReadError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ReadErrors*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

bool losesData(int code)
{
    switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_NOT_SEQUENTIAL: return true;
    default: return false;
    }
}

extern "C" void onReadMessage(j_common_ptr cinfo, int level)
{
    auto* err = reinterpret_cast<ReadErrors*>(cinfo->err);
    if (level >= 0 || err->dataLost || !losesData(cinfo->err->msg_code)) return;
    err->dataLost = true;
    (*cinfo->err->format_message)(cinfo, err->message);
}

// Everything that needs cleaning up after a longjmp lives outside the
// function that calls setjmp.
struct Decoder {
    jpeg_decompress_struct cinfo{};
    ReadErrors err{};
    std::vector<JSAMPLE> line;
    QImage image;
    QString failure;

    ~Decoder() { jpeg_destroy_decompress(&cinfo); }

    bool run(const QByteArray& bytes)
    {
        cinfo.err = jpeg_std_error(&err.pub);
        err.pub.error_exit = onReadError;
        err.pub.emit_message = onReadMessage;
        if (setjmp(err.jump)) return false;
        jpeg_create_decompress(&cinfo);
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                     static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&cinfo, TRUE);
        const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
        cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
        jpeg_start_decompress(&cinfo);

        const qint64 w = cinfo.output_width;
        const qint64 h = cinfo.output_height;
        if (w <= 0 || h <= 0 || w * h * 4 > Diagram::kMaxPictureBytes) {
            failure = QStringLiteral("рисунок %1×%2 слишком велик").arg(w).arg(h);
            return false;
        }
        image = QImage(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
        if (image.isNull()) {
            failure = QStringLiteral("недостаточно памяти для рисунка");
            return false;
        }
        line.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(cinfo.output_components));
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = line.data();
            const int y = static_cast<int>(cinfo.output_scanline);
            if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) break;
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (qint64 x = 0; x < w; ++x) {
                const JSAMPLE* p = line.data() + x * cinfo.output_components;
                // Adobe writes CMYK inverted, as nearly every CMYK JPEG has it.
                out[x] = cmyk ? qRgb(p[0] * p[3] / 255, p[1] * p[3] / 255, p[2] * p[3] / 255) : qRgb(p[0], p[1], p[2]);
            }
            if (err.dataLost) return false;
        }
        jpeg_finish_decompress(&cinfo);
        return !err.dataLost;
    }
};

} // namespace

QImage decodeJpeg(const QByteArray& bytes, QString* error)
{
    if (bytes.isEmpty()) {
        if (error) *error = QStringLiteral("файл пуст");
        return {};
    }
    Decoder dec;
    if (dec.run(bytes)) return dec.image;
    if (error) {
        if (!dec.failure.isEmpty()) *error = dec.failure;
        else if (dec.err.pub.msg_code == JERR_NO_SOI) *error = QStringLiteral("это не рисунок JPEG");
        else *error = QStringLiteral("файл повреждён или обрезан (%1)").arg(QString::fromLocal8Bit(dec.err.message));
    }
    return {};
}

} // namespace vexoria
