#pragma once
// What the build measured of the embedded face and the platform (see
// cli/quick/MakeWidthTable.cpp), handed to the core so that a chart's texts
// are measured by adding up widths instead of by shaping and drawn on
// pictures from glyphs taken at build time, and so that a
// command that starts the GUI application late need not start it for them.

namespace vexoria::cli {

// Installs the width table when the build made one of the embedded face;
// does nothing otherwise.
void installBuiltWidths();

// Installs the glyphs the build took of the embedded face (BuiltGlyphs.cpp:
// drawing them needs Qt's GUI library).
void installBuiltGlyphs();

// Installs the scheme colours the build saw when this run will see the same:
// the same Qt, the same platform plugin, no platform theme of its own. Called
// before the GUI application is started, after QT_QPA_PLATFORM is set.
void installBuiltSchemeColours();

} // namespace vexoria::cli
