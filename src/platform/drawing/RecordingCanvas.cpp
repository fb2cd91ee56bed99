#include "platform/drawing/RecordingCanvas.h"

#include "platform/drawing/DiagramFont.h"

namespace vexoria {

namespace {

QString pt(int x, int y) { return QString::number(x) + u',' + QString::number(y); }

// The text escapes of the table dumps: \\, \t, \r, \n.
QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += QLatin1String("\\\\"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        default: out += c;
        }
    }
    return out;
}

const char* styleName(PenStyle s)
{
    switch (s) {
    case PenStyle::Dash: return "dash";
    case PenStyle::Dot: return "dot";
    case PenStyle::Solid: break;
    }
    return "solid";
}

} // namespace

QString recordedPoints(const std::vector<QPoint>& points)
{
    QStringList parts;
    for (const QPoint& p : points) parts << pt(p.x(), p.y());
    return parts.join(u' ');
}

RecordingCanvas::Metric RecordingCanvas::fixedMetric(int pixelsPerChar)
{
    return [pixelsPerChar](const QString& t) { return static_cast<int>(t.size()) * pixelsPerChar; };
}

RecordingCanvas::Metric RecordingCanvas::fontMetric()
{
    return [](const QString& t) { return diagramTextWidth(t); };
}

void RecordingCanvas::record(const QString& line)
{
    if (m_sink) m_sink(line);
    else m_lines << line;
}

void RecordingCanvas::setPenWidth(int width)
{
    m_pen.penWidth = width;
    record(QStringLiteral("pen width=%1").arg(width));
}

void RecordingCanvas::setPenColour(Colour colour)
{
    m_pen.penColour = colour;
    record(QStringLiteral("pen color=%1").arg(colour));
}

void RecordingCanvas::setPenStyle(PenStyle style)
{
    m_pen.penStyle = style;
    record(QStringLiteral("pen style=") + QLatin1String(styleName(style)));
}

void RecordingCanvas::setBrushColour(Colour colour)
{
    m_pen.brushColour = colour;
    record(QStringLiteral("brush color=%1").arg(colour));
}

void RecordingCanvas::polygon(const std::vector<QPoint>& points)
{
    record(QStringLiteral("polygon ") + recordedPoints(points));
}

void RecordingCanvas::polyline(const std::vector<QPoint>& points)
{
    record(QStringLiteral("polyline ") + recordedPoints(points));
}

void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    record(QStringLiteral("rect ") + pt(x1, y1) + u' ' + pt(x2, y2));
}

void RecordingCanvas::roundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    record(QStringLiteral("roundrect ") + pt(x1, y1) + u' ' + pt(x2, y2) + u' ' + pt(w, h));
}

void RecordingCanvas::fillRect(int x1, int y1, int x2, int y2)
{
    record(QStringLiteral("fillrect ") + pt(x1, y1) + u' ' + pt(x2, y2));
}

void RecordingCanvas::textOut(int x, int y, const QString& text)
{
    record(QStringLiteral("text ") + pt(x, y) + QStringLiteral(" \"") + escaped(text) + u'"');
}

int RecordingCanvas::textWidth(const QString& text) const { return m_metric ? m_metric(text) : 0; }

} // namespace vexoria
