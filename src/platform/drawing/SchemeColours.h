#pragma once
// The two colours of the desktop's scheme that a coloured chart uses (its
// palette's last entries): the application palette's active Highlight and
// Window. The palette exists only once the GUI application runs. A program
// that starts it late (DiagramFont.h, setGuiStarter) and knows what the
// palette will be, because the platform and Qt are those the build saw, hands
// the colours over here; otherwise asking for them starts the application.
#include <optional>

#include "platform/drawing/Canvas.h"

namespace vexoria {

struct SchemeColours {
    Colour highlight;
    Colour window;
};

void installSchemeColours(const SchemeColours& colours);

// The colours: the application palette's when it runs, else those installed,
// else the application is started (setGuiStarter) and its palette's.
SchemeColours schemeColours();

// The palette's side of that (DesktopSchemeColours.cpp), given the colours
// installed; a program without Qt's GUI library defines it as handing its
// command over to one that has it.
SchemeColours desktopSchemeColours(const std::optional<SchemeColours>& installed);

} // namespace vexoria
