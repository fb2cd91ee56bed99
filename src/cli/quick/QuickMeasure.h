#pragma once
// The measure command without the GUI libraries: the widths of the diagram
// font's plain characters come from a table made at build time from the very
// font the program embeds (MakeWidthTable.cpp), so the answers are the ones
// the complete program gives, in a fraction of its start-up time.
#include <optional>
#include <string_view>

namespace vexoria::cli {

// The width of one input line (its bytes without the line break), read as
// the measure command reads it: UTF-8 with the escapes \\, \t, \r and \n, a
// tab one blank wide. Nothing when the line is not valid UTF-8 or holds a
// character the table lacks.
std::optional<int> quickWidth(std::string_view line);

// Answers each line of standard input from the table, each as soon as it is
// read. From the first line the table cannot answer, that line and the rest
// of the input go to the complete program, which answers on the same
// standard output. Returns the exit status.
int quickMeasure();

} // namespace vexoria::cli
