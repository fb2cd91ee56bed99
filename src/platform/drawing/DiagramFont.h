#pragma once
// The font of the diagram: every text on a chart is written in it and every
// text width the layout depends on is measured in it. It stands in for the
// 8-point sans face the chart's numbers were made for: Liberation Sans at
// pixel size 11, embedded in the program so that widths, and with them the
// whole layout, are the same on every machine. DejaVu Sans is the fallback.
#include <QFont>
#include <QFontMetrics>
#include <QString>

#include "platform/drawing/DiagramText.h"

namespace vexoria {

// The diagram font (loaded into the font database on first use). Needs a
// QGuiApplication.
const QFont& diagramFont();
const QFontMetrics& diagramFontMetrics();

// A program that starts its GUI application only when the face is needed
// gives the function that starts it; it is called on the first use of the
// face when no GUI application runs, and must be on the main thread then.
void setGuiStarter(void (*start)());
// Starts it now if it was left to start late and has not started yet.
void startGuiApplication();

} // namespace vexoria
