#include <iterator>

#include "cli/BuiltWidths.h"
#include "platform/drawing/DiagramGlyphs.h"

namespace vexoria::cli {

#ifdef VEXORIA_WIDTH_TABLE
namespace {
#include "DiagramGlyphTable.inc"
} // namespace

void installBuiltGlyphs() { installDiagramGlyphs(kGlyphEntries, std::size(kGlyphEntries), kGlyphRuns, std::size(kGlyphRuns)); }
#else
void installBuiltGlyphs() {}
#endif

} // namespace vexoria::cli
