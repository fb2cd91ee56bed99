#pragma once
// Which commands can start without the GUI application. A chart written as
// SVG, and the rows, connections and draw dumps, need the face only for a
// text the width table leaves out, and a picture only when they paint one
// (connections does): the GUI application is started then (DiagramFont.h,
// setGuiStarter; Diagram::makeWhiteImage), on the one thread these commands
// build on. Everything else starts it at once: pictures and PDF are drawn
// with Qt's painter, and render --all builds on many threads.
#include "cli/CommandLine.h"

namespace vexoria::cli {

bool mayStartGuiLate(const CommandInfo& cmd, const Args& args);

} // namespace vexoria::cli
