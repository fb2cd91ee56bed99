#include "platform/pictures/VectorChart.h"

#include <algorithm>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/drawing/Diagram.h"
#include "platform/drawing/DiagramFont.h"
#include "platform/drawing/DisplayList.h"
#include "platform/files/OutputFile.h"
#include "platform/drawing/PainterCanvas.h"
#include "platform/pictures/SvgChart.h"

namespace vexoria {

namespace {

constexpr double kPointsPerPixel = 0.75;
constexpr double kLargestPage = 14400.0;

// Draws the chart on a page of Qt's PDF writer: white as the picture, then
// the calls, half a pixel across and down as in the SVG.
bool paint(QPaintDevice& device, const DisplayList& drawing, QSize chart, double scale)
{
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.scale(scale, scale);
    painter.fillRect(QRect(QPoint(0, 0), chart), Qt::white);
    painter.translate(0.5, 0.5);
    PainterCanvas canvas(painter);
    drawing.replay(canvas);
    return painter.end();
}

bool writePdf(QIODevice& device, const DisplayList& drawing, QSize chart, const QString& title)
{
    // The PDF holds its text in the face, and Qt's PDF writer needs the GUI
    // application: a program that starts it late starts it here.
    startGuiApplication();
    const QSizeF page = pdfPageSize(chart);
    QPdfWriter pdf(&device);
    pdf.setCreator(QStringLiteral("Vexoria"));
    pdf.setTitle(title);
    pdf.setPageSize(QPageSize(page, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    // Painter units are points.
    pdf.setResolution(72);
    return paint(pdf, drawing, chart, page.width() / chart.width());
}

} // namespace

QSizeF pdfPageSize(QSize chart)
{
    const double height = std::max(1, chart.height()) * kPointsPerPixel;
    const double scale = height > kLargestPage ? kLargestPage / height : 1.0;
    return QSizeF(std::max(1, chart.width()) * kPointsPerPixel * scale, height * scale);
}

bool paintVectorChart(const DisplayList& drawing, QSize chart, VectorFormat format, QIODevice& device,
                      const QString& title)
{
    return format == VectorFormat::Svg ? writeSvgChart(device, drawing, chart, title)
                                       : writePdf(device, drawing, chart, title);
}

bool writeDiagramAsVector(const Diagram& diagram, VectorFormat format, const QString& path, const QString& title,
                          QString* error)
{
    if (!diagram.hasPicture() || diagram.drawing().isEmpty()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2")
                         .arg(path, diagram.hasPicture()
                                        ? QStringLiteral("an SVG or PDF chart is drawn from a build, and this "
                                                         "picture was opened from a file")
                                        : QStringLiteral("there is no chart"));
        return false;
    }
    return writeVectorChart(diagram.drawing(), diagram.image().size(), format, path, title, error);
}

bool writeVectorChart(const DisplayList& drawing, QSize chart, VectorFormat format, const QString& path,
                      const QString& title, QString* error)
{
    if (format == VectorFormat::Svg) return writeSvgChart(drawing, chart, path, title, error);
    return writeOutput(
        path,
        [&](QIODevice& device, QString* reason) {
            const bool drawn = paintVectorChart(drawing, chart, format, device, title);
            if (!drawn) *reason = QStringLiteral("the chart could not be drawn");
            return drawn;
        },
        error);
}

} // namespace vexoria
