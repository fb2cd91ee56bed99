#pragma once
// The colours of the constructs in colour mode: a palette of 17 entries
// handed out in turn, starting again at black after the sixteenth.
#include "platform/core/BuildContext.h"
#include "platform/drawing/Canvas.h"

namespace vexoria {

// Fills ctx.blockColours (entries 0..14 fixed, 15 and 16 from the desktop's
// colour scheme).
void fillBlockColours(BuildContext& ctx);

// Takes the next colour: sets the pen to ctx.blockColours[colourIndex] and
// moves the index on; after entry 15 it starts again at entry 0, so entry 16
// is never handed out. Returns the colour given.
Colour takeNextColour(BuildContext& ctx, Canvas& canvas);

} // namespace vexoria
