#include "platform/drawing/Diagram.h"

#include "platform/drawing/DiagramFont.h"
#include "platform/drawing/QImageCanvas.h"
#include "platform/drawing/WhitePicture.h"

namespace vexoria {

Diagram::Diagram() = default;
Diagram::~Diagram() = default;

Diagram::Diagram(const Diagram& other)
    : m_width(other.m_width), m_height(other.m_height), m_maxPictureBytes(other.m_maxPictureBytes),
      m_image(other.m_image), m_removals(other.m_removals), m_opened(other.m_opened), m_drawing(other.m_drawing)
{
    m_drawing.bindTo(this);
    if (other.m_canvas) canvas().takeStateOf(*other.m_canvas);
}

Diagram& Diagram::operator=(const Diagram& other)
{
    if (this != &other) {
        m_width = other.m_width;
        m_height = other.m_height;
        m_maxPictureBytes = other.m_maxPictureBytes;
        m_image = other.m_image;
        m_removals = other.m_removals;
        m_opened = other.m_opened;
        m_drawing = other.m_drawing;
        m_drawing.bindTo(this);
        // The canvas object stays (stages may hold it); its state follows.
        if (other.m_canvas) canvas().takeStateOf(*other.m_canvas);
        else if (m_canvas) m_canvas->takeStateOf(QImageCanvas(*this));
    }
    return *this;
}

QImageCanvas& Diagram::canvas()
{
    if (!m_canvas) m_canvas = std::make_unique<QImageCanvas>(*this);
    return *m_canvas;
}

bool Diagram::makeWhiteImage()
{
    if (m_width <= 0 || m_height <= 0 || qint64(m_width) * m_height * 4 > m_maxPictureBytes) {
        m_image = QImage();
        return false;
    }
    // Shapes need no GUI application, nor does a text the glyph table covers;
    // the first text that needs the face starts it (DiagramFont.h).
    m_image = makeWhitePicture(m_width, m_height);
    return !m_image.isNull();
}

} // namespace vexoria
