#pragma once
// The lean command line (LeanMain.cpp) links Qt's core library only. What
// needs Qt's GUI library (the face, for a text the width table leaves out;
// the desktop's colours; a picture) hands the whole command over to the
// complete program, which does it from the start. Nothing has been written
// by then: the lean program keeps what it prints until it ends, and a chart
// is written only once it is drawn.
namespace vexoria::cli::lean {

// Keeps the command line to hand over; called first thing in main.
void rememberCommandLine(char** argv);

// Replaces this process by the complete program with the same arguments.
// Returns never: when the program cannot be started, one line says so and
// the process ends with status 1.
[[noreturn]] void handOver();

} // namespace vexoria::cli::lean
