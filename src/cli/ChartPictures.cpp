// The formats of render that need Qt's GUI library (ChartOutput.h).
#include <QImage>

#include "cli/ChartOutput.h"
#include "pipeline/Workspace.h"
#include "platform/pictures/PictureWriter.h"
#include "platform/pictures/StripBmp.h"
#include "platform/pictures/StripPng.h"

namespace vexoria::cli {

bool writeChartPicture(const Workspace& ws, const DisplayList& drawing, PictureFormat format, const QString& path,
                       QString* error)
{
    // Saying so beats the encoder's own words, and leaves the old file as it
    // was.
    const QImage& picture = ws.diagram.image();
    if (format == PictureFormat::Jpeg && picture.height() > ChartOutput::kJpegMaxRows) {
        if (error)
            *error = QStringLiteral("cannot write %1: the chart is %2 pixels tall and a JPEG holds at most %3; "
                                    "write it as .png or .svg")
                         .arg(path)
                         .arg(picture.height())
                         .arg(ChartOutput::kJpegMaxRows);
        return false;
    }
    const QSize size(ws.diagram.width(), ws.diagram.height());
    if (format == PictureFormat::Bmp) return writeStripBmp(drawing, size, path, error);
    if (format == PictureFormat::Png) return writeStripPng(drawing, size, path, error);
    if (const std::optional<VectorFormat> vector = vectorFormat(format))
        return writeVectorChart(drawing, size, *vector, path, ws.reportTitle, error);
    return writePicture(picture, path, error);
}

} // namespace vexoria::cli
