#pragma once
// Which program does a command: the lean one (Qt's core library only) for
// the commands that need no picture, the complete one for every other.

namespace vexoria::cli {

// rows and draw, and render of one routine to an .svg file: never with the
// standard input as FILE ("-"), which the lean program could not hand on if
// a text of the routine sent it to the complete program after all.
bool forLeanProgram(int argc, char** argv);

} // namespace vexoria::cli
