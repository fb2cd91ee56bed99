#pragma once
// Text in the diagram font, as far as the stages need it: widths and the
// measures of a line. They come from the width table and its facts when the
// program installed them (DiagramWidths.h), else from the face itself
// (DiagramFont.h), which needs Qt's GUI library: a program without it
// defines the face's functions below as handing its command over to one that
// has it.
#include <QString>

namespace vexoria {

// Width of a text in the diagram font, in whole pixels. The sizing and drawing
// stages, the image canvas and `vexoria-cli measure` all measure with this.
int diagramTextWidth(const QString& text);

// The text as the chart shows it: the chart's canvas has no tab stops, so a
// tab (code indented with tabs keeps them in its lines) is one blank wide
// instead of reaching to the next 80-pixel stop.
QString diagramShownText(const QString& text);

// The family that was really loaded (for checks and diagnostics).
QString diagramFontFamily();

// Whether the face in use is the one embedded in the program (not the
// system's fallback).
bool diagramFontIsEmbedded();

// The face's pixel size, and the ascent and height of a line of text. Like
// the family, they come from the installed width table's facts when there is
// one (DiagramWidths.h), without loading the face.
int diagramFontPixelSize();
int diagramTextAscent();
int diagramTextHeight();

// The face itself (DiagramFont.cpp), for what the table leaves out.
namespace face {
int textWidth(const QString& shownText);
QString family();
bool embedded();
int pixelSize();
int ascent();
int height();
} // namespace face

} // namespace vexoria
