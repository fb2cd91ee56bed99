#pragma once
// How a Canvas call becomes QPainter calls, shared by the canvas on the
// diagram's image and the canvas on a vector device, so that a chart saved
// as SVG or PDF has its shapes where the bitmap has them:
//  - a one-pixel pen leaves out the end point of a line; a wider one has
//    round ends and joins; dashes are 18 on / 6 off, dots 3 on / 3 off (in
//    pen widths), as on the bitmap canvas the chart was designed for;
//  - rectangle and rounded rectangle exclude their right and bottom edge;
//  - text is opaque: its cell (text width by font height) is filled with the
//    brush, then the text is written in black in the diagram font.
#include <vector>

#include <QColor>
#include <QPoint>
#include <QString>

#include "platform/drawing/Canvas.h"

class QPainter;
class QPen;

namespace vexoria::painting {

QColor toQColor(Colour c);
QPen diagramPen(int width, Colour colour, PenStyle style);

// Each draws with the painter's pen and brush as set by the caller.
void polygon(QPainter& p, const std::vector<QPoint>& points);
void polyline(QPainter& p, const std::vector<QPoint>& points);
void rectangle(QPainter& p, int x1, int y1, int x2, int y2);
void roundRect(QPainter& p, int x1, int y1, int x2, int y2, int w, int h);
// Fills with `brush`, no outline.
void fillRect(QPainter& p, int x1, int y1, int x2, int y2, Colour brush);
// Sets its own font and pen; the caller restores its pen afterwards.
void textOut(QPainter& p, int x, int y, const QString& text, Colour brush);
// The same on a picture drawn at whole pixels: a text the glyph table covers
// (DiagramGlyphs.h) is drawn from it, the same pixels without the face.
void textOutOnPicture(QPainter& p, int x, int y, const QString& text, Colour brush);

} // namespace vexoria::painting
