#include "cli/ChartOutput.h"

#include "pipeline/Workspace.h"

namespace vexoria::cli {

ChartOutput::ChartOutput(Workspace& ws, PictureFormat format)
    : m_ws(ws), m_format(format), m_vector(vectorFormat(format)), m_drawing(&ws.diagram)
{
    if (m_vector) m_ws.canvasOverride = &m_drawing;
}

ChartOutput::~ChartOutput()
{
    if (m_ws.canvasOverride == &m_drawing) m_ws.canvasOverride = nullptr;
}

bool ChartOutput::drawn() const { return m_vector ? !m_drawing.isEmpty() : m_ws.diagram.hasPicture(); }

bool ChartOutput::write(const QString& path, QString* error) const
{
    // A JPEG holds at most 65,500 rows; saying so beats the encoder's own
    // words, and leaves the old file as it was.
    constexpr int kJpegMaxRows = 65500;
    if (m_format == PictureFormat::Jpeg && m_ws.diagram.image().height() > kJpegMaxRows) {
        if (error)
            *error = QStringLiteral("cannot write %1: the chart is %2 pixels tall and a JPEG holds at most %3; "
                                    "write it as .png or .svg")
                         .arg(path)
                         .arg(m_ws.diagram.image().height())
                         .arg(kJpegMaxRows);
        return false;
    }
    if (!m_vector) return writePicture(m_ws.diagram.image(), path, error);
    const QSize size(m_ws.diagram.width(), m_ws.diagram.height());
    return writeVectorChart(m_drawing, size, *m_vector, path, m_ws.reportTitle, error);
}

} // namespace vexoria::cli
