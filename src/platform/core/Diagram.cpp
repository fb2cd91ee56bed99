#include "platform/core/Diagram.h"

namespace vexoria {

bool Diagram::makeWhiteImage()
{
    if (m_width <= 0 || m_height <= 0) {
        m_image = QImage();
        return false;
    }
    // Qt refuses images whose byte count overflows; such an image comes back null.
    QImage img(m_width, m_height, QImage::Format_RGB32);
    if (img.isNull()) {
        m_image = QImage();
        return false;
    }
    img.fill(Qt::white);
    m_image = std::move(img);
    return true;
}

} // namespace vexoria
