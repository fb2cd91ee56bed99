#pragma once
// The width table the build made of the embedded face (the one the quick
// measure answers from), handed to the diagram font so that a chart's texts
// are measured by adding up widths instead of by shaping.

namespace vexoria::cli {

// Installs the table when the build made one and the embedded face is the one
// in use; needs the GUI application. Does nothing otherwise.
void installBuiltWidths();

} // namespace vexoria::cli
