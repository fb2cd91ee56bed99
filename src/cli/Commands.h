#pragma once
// The commands of vexoria-cli. Each lives in a file of its own and describes
// itself (options, help) in a CommandSpec; the list below is what main knows.
#include <vector>

#include "cli/CliCommon.h"

namespace vexoria::cli {

const CommandSpec& rowsCommand();        // the statement table
const CommandSpec& renderCommand();      // the chart as a picture
const CommandSpec& connectionsCommand(); // the connection table
const CommandSpec& measureCommand();     // text widths in the diagram font
const CommandSpec& drawCommand();        // the canvas calls of a build
const CommandSpec& exportCommand();      // the statement table into SQLite
const CommandSpec& printCommand();       // the printed sheets as a PDF
const CommandSpec& routinesCommand();    // the routines of a unit

// Every command, in the order the help lists them.
const std::vector<const CommandSpec*>& allCommands();

} // namespace vexoria::cli
