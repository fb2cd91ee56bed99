#include "platform/pictures/SvgChart.h"

#include "platform/drawing/DiagramText.h"
#include "platform/drawing/DisplayList.h"
#include "platform/drawing/SvgCanvas.h"
#include "platform/files/OutputFile.h"

namespace vexoria {

bool writeSvgChart(QIODevice& device, const DisplayList& drawing, QSize chart, const QString& title)
{
    SvgCanvas canvas;
    canvas.reserve(drawing.itemCount());
    drawing.replay(canvas);
    const QByteArray w = QByteArray::number(chart.width());
    const QByteArray h = QByteArray::number(chart.height());
    // A one-pixel line of the bitmap covers the pixel right of and below its
    // coordinates; half a pixel across and down puts the vector line on it.
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                            w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + ' ' + h +
                            "\">\n"
                            "<title>" +
                            xmlText(title) +
                            "</title>\n"
                            "<rect width=\"" +
                            w + "\" height=\"" + h +
                            "\" fill=\"#ffffff\"/>\n"
                            "<g transform=\"translate(0.5 0.5)\" font-family=\"'" +
                            diagramFontFamily().toUtf8() + "', Arial, sans-serif\" font-size=\"" +
                            QByteArray::number(diagramFontPixelSize()) +
                            "\" stroke-miterlimit=\"2\" fill-rule=\"evenodd\" xml:space=\"preserve\">\n";
    const QByteArray body = canvas.takeElements();
    const QByteArray tail = "</g>\n</svg>\n";
    return device.write(head) == head.size() && device.write(body) == body.size() && device.write(tail) == tail.size();
}

bool writeSvgChart(const DisplayList& drawing, QSize chart, const QString& path, const QString& title, QString* error)
{
    return writeOutput(
        path,
        [&](QIODevice& device, QString* reason) {
            const bool drawn = writeSvgChart(device, drawing, chart, title);
            if (!drawn) *reason = QStringLiteral("the chart could not be drawn");
            return drawn;
        },
        error);
}

} // namespace vexoria
