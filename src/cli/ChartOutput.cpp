#include "cli/ChartOutput.h"

#include <algorithm>

#include "cli/CliCommon.h"
#include "pipeline/Workspace.h"
#include "platform/pictures/SvgChart.h"

namespace vexoria::cli {

ChartOutput::ChartOutput(Workspace& ws, PictureFormat format)
    : m_ws(ws), m_format(format), m_vector(vectorFormat(format)),
      m_strips(format == PictureFormat::Png || format == PictureFormat::Bmp), m_drawing(&ws.diagram)
{
    // A vector chart is written from its display list, and so are a PNG and
    // a BMP, a strip at a time: none needs a picture of the whole chart.
    if (m_vector || m_strips) m_ws.canvasOverride = &m_drawing;
    // A chart too tall for a JPEG gets no picture: it is refused before it
    // is drawn, not after.
    if (m_format == PictureFormat::Jpeg)
        m_ws.diagram.setMaxPictureBytes(
            std::min(Diagram::kMaxPictureBytes, qint64(Diagram::kWidth) * kJpegMaxRows * 4));
}

QString ChartOutput::tooTall(const QString& path) const
{
    if (m_format == PictureFormat::Jpeg && m_ws.diagram.height() > kJpegMaxRows)
        return QStringLiteral("cannot write %1: the chart is %2 pixels tall and a JPEG holds at most %3; "
                              "write it as .png or .svg")
            .arg(shownFileName(path))
            .arg(m_ws.diagram.height())
            .arg(kJpegMaxRows);
    return kPictureTooLong;
}

ChartOutput::~ChartOutput()
{
    if (m_ws.canvasOverride == &m_drawing) m_ws.canvasOverride = nullptr;
}

bool ChartOutput::drawn() const { return m_vector || m_strips ? !m_drawing.isEmpty() : m_ws.diagram.hasPicture(); }

bool ChartOutput::write(const QString& path, QString* error) const
{
    const QSize size(m_ws.diagram.width(), m_ws.diagram.height());
    if (m_vector == VectorFormat::Svg) return writeSvgChart(m_drawing, size, path, m_ws.reportTitle, error);
    return writeChartPicture(m_ws, m_drawing, m_format, path, error);
}

} // namespace vexoria::cli
