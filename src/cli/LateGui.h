#pragma once
// Which commands can start without the GUI application. A chart of any
// format, and the rows, connections and draw dumps, need the face only for a
// text the width table or the glyph table leaves out, and a PDF to write it:
// the GUI application is started then (DiagramFont.h, setGuiStarter), on the
// thread the chart is built on, the main thread of this process or of a
// worker process of render --all (UnitWork.h). A long PNG or BMP is drawn on
// threads, but it starts the application first when one of its texts needs
// the face (ChartStrips). Shapes are painted on pictures without it. The
// other commands start it at once.
#include "cli/CommandLine.h"

namespace vexoria::cli {

bool mayStartGuiLate(const CommandInfo& cmd, const Args& args);

} // namespace vexoria::cli
