#pragma once
// The font of the diagram: every text on a chart is written in it and every
// text width the layout depends on is measured in it. It stands in for the
// 8-point sans face the chart's numbers were made for: Liberation Sans at
// pixel size 11, embedded in the program so that widths, and with them the
// whole layout, are the same on every machine. DejaVu Sans is the fallback.
#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace vexoria {

// The diagram font (loaded into the font database on first use). Needs a
// QGuiApplication.
const QFont& diagramFont();
const QFontMetrics& diagramFontMetrics();

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

// A program that starts its GUI application only when the face is needed
// gives the function that starts it; it is called on the first use of the
// face when no GUI application runs, and must be on the main thread then.
void setGuiStarter(void (*start)());
// Starts it now if it was left to start late and has not started yet.
void startGuiApplication();

} // namespace vexoria
