#include "platform/drawing/DiagramText.h"

#include <optional>

#include "platform/drawing/DiagramWidths.h"

namespace vexoria {

QString diagramShownText(const QString& text)
{
    if (!text.contains(u'\t')) return text;
    QString shown = text;
    shown.replace(u'\t', u' ');
    return shown;
}

int diagramTextWidth(const QString& text)
{
    if (text.isEmpty()) return 0;
    if (const std::optional<int> w = tableTextWidth(text)) return *w;
    return face::textWidth(diagramShownText(text));
}

QString diagramFontFamily()
{
    if (const DiagramFaceFacts* f = installedDiagramFace()) return QString::fromUtf8(f->family);
    return face::family();
}

bool diagramFontIsEmbedded() { return face::embedded(); }

int diagramFontPixelSize()
{
    if (const DiagramFaceFacts* f = installedDiagramFace()) return f->pixelSize;
    return face::pixelSize();
}

int diagramTextAscent()
{
    if (const DiagramFaceFacts* f = installedDiagramFace()) return f->ascent;
    return face::ascent();
}

int diagramTextHeight()
{
    if (const DiagramFaceFacts* f = installedDiagramFace()) return f->height;
    return face::height();
}

} // namespace vexoria
