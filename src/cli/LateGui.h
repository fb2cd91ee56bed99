#pragma once
// Which commands can start without the GUI application. A chart written as
// SVG, and the rows, connections and draw dumps, need the face only for a
// text the width table leaves out: the face, and the GUI application with
// it, are started then (DiagramFont.h, setGuiStarter), on the one thread
// these commands build on. Everything else starts it at once: pictures and
// PDF are drawn with Qt's painter, and render --all builds on many threads.
#include "cli/CommandLine.h"

namespace vexoria::cli {

bool mayStartGuiLate(const CommandInfo& cmd, const Args& args);

} // namespace vexoria::cli
