#pragma once
// The complete vexoria-cli: every command, on Qt's GUI libraries. The quick
// front end (QuickMain.cpp) answers what it can without loading them and
// hands everything else to this program, which lives in the program folder
// beside the front end (libexec/vexoria/vexoria-cli).
#include <string>

namespace vexoria::cli {

// Where the complete program is: VEXORIA_CLI_PROGRAM, a path relative to the
// folder of the running front end.
std::string fullProgramPath();

// Replaces this process by the complete program with the same arguments.
// Returns only when it cannot be started, after one line on standard error;
// the status to end with is then 1.
int runFullProgram(char** argv);

// Replaces this process by the lean program (cli/lean) with the same
// arguments; by the complete program when the lean one cannot be started.
int runLeanProgram(char** argv);

// Starts the complete program with `argument` (one command, no options) and
// its standard input on a pipe that the caller writes. Standard output and
// standard error are shared. False, after one line on standard error, when it
// cannot be started.
struct Child {
    int pid = -1;
    int input = -1; // write end of the child's standard input
};
bool startFullProgram(const char* argument, Child& child);

// Waits for the child and returns the status to end with: its own exit
// status, or 1 (after one line on standard error) when it was killed.
int waitFullProgram(const Child& child);

} // namespace vexoria::cli
