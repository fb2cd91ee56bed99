#pragma once
// Which commands can start without the GUI application. One chart written as
// SVG, PNG, BMP or JPEG, and the rows, connections and draw dumps, need the
// face only for a text the width table or the glyph table leaves out: the
// GUI application is started then (DiagramFont.h, setGuiStarter), on the one
// thread these commands build on (a long PNG or BMP is drawn on threads, but
// it starts the application first when one of its texts needs the face:
// ChartStrips). Shapes are painted on pictures without it. Everything else
// starts it at once: PDF writes text in the face, and render --all builds on
// many threads.
#include "cli/CommandLine.h"

namespace vexoria::cli {

bool mayStartGuiLate(const CommandInfo& cmd, const Args& args);

} // namespace vexoria::cli
