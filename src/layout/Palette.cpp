#include "layout/Palette.h"

#include "platform/drawing/SchemeColours.h"

namespace vexoria {

void fillBlockColours(BlockPalette& palette)
{
    palette.colours = {
        rgb(0x00, 0x00, 0x00), // black
        rgb(0x80, 0x00, 0x00), // maroon
        rgb(0x00, 0x80, 0x00), // green
        rgb(0x80, 0x80, 0x00), // olive
        rgb(0x00, 0x00, 0x80), // navy
        rgb(0x80, 0x00, 0x80), // purple
        rgb(0x00, 0x80, 0x80), // teal
        rgb(0xFF, 0x00, 0x00), // red
        rgb(0x00, 0xFF, 0x00), // lime
        rgb(0xFF, 0xFF, 0x00), // yellow
        rgb(0x00, 0x00, 0xFF), // blue
        rgb(0xFF, 0x00, 0xFF), // fuchsia
        rgb(0x00, 0xFF, 0xFF), // aqua
        rgb(0xC0, 0xDC, 0xC0), // money green
        rgb(0xA6, 0xCA, 0xF0), // sky blue
        0,
        0,
    };
    // The last two are colours of the desktop's scheme: the active window
    // caption and the desktop background. Qt has neither as such; the active
    // Highlight and Window colours of the application palette stand in.
    const SchemeColours scheme = schemeColours();
    palette.colours[15] = scheme.highlight;
    palette.colours[16] = scheme.window;
}

Colour takeNextColour(BlockPalette& palette, Canvas& canvas)
{
    // Another stage may have left the index anywhere; outside 0..15 the
    // palette starts again, as it does after entry 15.
    if (palette.next >= 16 || palette.next < 0) palette.next = 0;
    const Colour c = palette.colours[static_cast<std::size_t>(palette.next)];
    canvas.setPenColour(c);
    ++palette.next;
    return c;
}

} // namespace vexoria
