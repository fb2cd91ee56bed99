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
    if (!m_vector) return writePicture(m_ws.diagram.image(), path, error);
    const QSize size(m_ws.diagram.width(), m_ws.diagram.height());
    return writeVectorChart(m_drawing, size, *m_vector, path, m_ws.reportTitle, error);
}

} // namespace vexoria::cli
