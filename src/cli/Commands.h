#pragma once
// The commands of vexoria-cli. Each lives in a file of its own and describes
// itself (options, help) in a CommandInfo; the list below is what main knows.
#include <vector>

#include "cli/CliCommon.h"

namespace vexoria::cli {

const CommandInfo& rowsCommand();        // the statement table
const CommandInfo& renderCommand();      // the chart as a picture
const CommandInfo& connectionsCommand(); // the connection table
const CommandInfo& measureCommand();     // text widths in the diagram font
const CommandInfo& drawCommand();        // the canvas calls of a build
const CommandInfo& exportCommand();      // the statement table into SQLite
const CommandInfo& printCommand();       // the printed sheets as a PDF
const CommandInfo& routinesCommand();    // the routines of a unit

// Every command, in the order the help lists them.
const std::vector<const CommandInfo*>& allCommands();

} // namespace vexoria::cli
