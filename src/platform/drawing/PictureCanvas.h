#pragma once
// The canvas on the diagram's picture, as the stages see it. The picture
// itself is Qt's (QImageCanvas.h); a program without Qt's GUI library has
// none, and draws its charts on a canvas put in its place (DiagramCanvas.h).
#include <stdexcept>

#include "platform/drawing/Canvas.h"

namespace vexoria {

// The diagram's image could not be made at its size (too large for memory).
// Its text is the program's message for a chart too long for its picture.
class PictureError : public std::runtime_error {
public:
    PictureError() : std::runtime_error("Длинна превышенна ") {}
};

class PictureCanvas : public Canvas {
public:
    // Makes the white picture when the diagram has none; false when it
    // cannot be allocated.
    virtual bool ensurePicture() = 0;

    // Takes the pen and brush of another canvas (a copy of the diagram
    // draws on as the original would have).
    void takeStateOf(const PictureCanvas& other) { m_pen = other.m_pen; }
};

} // namespace vexoria
