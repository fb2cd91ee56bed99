#include "platform/drawing/Diagram.h"

#include "platform/drawing/PictureCanvas.h"

namespace vexoria {

Diagram::Diagram() = default;
Diagram::~Diagram() = default;

} // namespace vexoria
