#pragma once
// The colours of the constructs in colour mode: a palette of 17 entries
// handed out in turn, starting again at black after the sixteenth. The
// drawing pass fills it; the drawing pass and routing each hand it out from
// the start.
#include <array>

#include "platform/drawing/Canvas.h"

namespace vexoria {

struct BlockPalette {
    std::array<Colour, 17> colours{};
    int next = 0; // the entry handed out next
};

// Fills the colours (entries 0..14 fixed, 15 and 16 from the desktop's
// colour scheme).
void fillBlockColours(BlockPalette& palette);

// Takes the next colour: sets the pen to colours[next] and moves next on;
// after entry 15 it starts again at entry 0, so entry 16 is never handed out.
// Returns the colour given.
Colour takeNextColour(BlockPalette& palette, Canvas& canvas);

} // namespace vexoria
