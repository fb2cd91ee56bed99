#pragma once
// The formats a chart is written in, named by a file's extension, looked up
// in one table, pictureFormats(): a new format is one more row there and one
// more case in encodePicture() (PictureWriter.h). SVG and PDF are vector
// charts: they are drawn from a build (VectorChart.h), not encoded from the
// picture's pixels.
#include <optional>
#include <vector>

#include <QString>

#include "platform/pictures/VectorChart.h"

namespace vexoria {

enum class PictureFormat { Png, Bmp, Jpeg, Svg, Pdf };

struct PictureFormatInfo {
    PictureFormat format;
    const char* name;                  // "PNG"
    std::vector<const char*> suffixes; // lower case, without the dot
};

// SVG or PDF, for a format drawn from the build; none for a bitmap format.
std::optional<VectorFormat> vectorFormat(PictureFormat format);

const std::vector<PictureFormatInfo>& pictureFormats();

// The format a path's extension names (in any case), or none.
std::optional<PictureFormat> pictureFormatFor(const QString& path);

// The extensions the writer knows, for messages: ".png, .bmp, .jpg, .jpeg".
QString pictureSuffixList();

// The format path is written in: the one its extension names; standard
// output ("-"), a FIFO or a device without an extension gets PNG. None, with
// *error set ("cannot write x.gif: …, use .png, …"), for any other path.
std::optional<PictureFormat> outputPictureFormat(const QString& path, QString* error = nullptr);

// "cannot write PATH: REASON", naming standard output for "-".
QString cannotWrite(const QString& path, const QString& reason);

} // namespace vexoria
