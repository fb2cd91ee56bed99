#include "cli/BuiltWidths.h"

#include <iterator>

#include "platform/core/DiagramWidths.h"

namespace vexoria::cli {

#ifdef VEXORIA_WIDTH_TABLE
namespace {
constexpr CharWidth kWidths[] = {
#include "DiagramWidthTable.inc"
};
} // namespace

void installBuiltWidths() { installDiagramWidths(kWidths, std::size(kWidths)); }
#else
void installBuiltWidths() {}
#endif

} // namespace vexoria::cli
