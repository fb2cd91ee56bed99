// The diagram's picture, of Qt's GUI library (Diagram.h).
#include <QImage>

#include "platform/drawing/Diagram.h"
#include "platform/drawing/QImageCanvas.h"
#include "platform/drawing/WhitePicture.h"

namespace vexoria {

namespace {

std::shared_ptr<QImage> copyOf(const std::shared_ptr<QImage>& image)
{
    return image ? std::make_shared<QImage>(*image) : nullptr;
}

} // namespace

Diagram::Diagram(const Diagram& other)
    : m_width(other.m_width), m_height(other.m_height), m_maxPictureBytes(other.m_maxPictureBytes),
      m_image(copyOf(other.m_image)), m_removals(other.m_removals), m_opened(other.m_opened),
      m_drawing(other.m_drawing)
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
        m_image = copyOf(other.m_image);
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

const QImage& Diagram::image() const
{
    static const QImage none;
    return m_image ? *m_image : none;
}

QImage& Diagram::image()
{
    if (m_image) return *m_image;
    // Nothing to draw on: a null image of this thread's own.
    thread_local QImage none;
    none = QImage();
    return none;
}

void Diagram::setPicture(const QImage& image)
{
    m_image = image.isNull() ? nullptr : std::make_shared<QImage>(image);
    m_width = image.width();
    m_height = image.height();
    ++m_removals;
    m_drawing.clear(); // an opened picture has no drawing to save as SVG or PDF
    m_opened = true;
}

PictureCanvas& Diagram::canvas()
{
    if (!m_canvas) m_canvas = std::make_unique<QImageCanvas>(*this);
    return *m_canvas;
}

bool Diagram::makeWhiteImage()
{
    if (m_width <= 0 || m_height <= 0 || qint64(m_width) * m_height * 4 > m_maxPictureBytes) {
        m_image.reset();
        return false;
    }
    // Shapes need no GUI application, nor does a text the glyph table covers;
    // the first text that needs the face starts it (DiagramFont.h).
    QImage white = makeWhitePicture(m_width, m_height);
    if (white.isNull()) {
        m_image.reset();
        return false;
    }
    m_image = std::make_shared<QImage>(std::move(white));
    return true;
}

} // namespace vexoria
