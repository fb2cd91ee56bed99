#pragma once
// What the window keeps between its commands that is neither a control's
// own state nor part of a build: the comments grid on show, the eraser, a
// page marker being dragged, the tray start, the size texts put aside by
// "Вост стандарт", and the arrow animation.
#include <array>

#include <QString>

namespace vexoria {

struct WindowState {
    bool gridShown = false;         // the comments grid is on show
    bool eraserOn = false;          // "Ластик" is chosen
    bool erasing = false;           // the eraser is pressed on the picture
    bool draggedMarker = false;     // a page marker follows the pointer
    bool startInTrayPending = true; // the window has still to go to the tray at start
    // varWidthEdit, ifWidthEdit, forWidthEdit, whileWidthEdit, elseWidthEdit,
    // beginWidthEdit, maxLengthEdit
    std::array<QString, 7> savedSizeTexts;
    bool animationOn = false;
    int animStep = 0; // 0 .. kAnimCycle - 1
};

} // namespace vexoria
