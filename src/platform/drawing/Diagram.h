#pragma once
// The picture of the diagram view: 700 pixels wide, a height set by the
// drawing pass, and an image that exists or not. Removing the picture empties
// it; the first drawing makes a white image of the current size.
//
// The image is Qt's, of its GUI library: what makes, copies and draws on it
// is in DiagramPicture.cpp, with that library. A program without it (the
// lean command line) draws its charts on another canvas (DiagramCanvas.h),
// and defines those functions as handing its command over.
#include <algorithm>
#include <climits>
#include <memory>

#include "platform/drawing/DisplayList.h"

class QImage;

namespace vexoria {

class PictureCanvas;

class Diagram {
public:
    Diagram();
    ~Diagram();
    // A copy has the same picture, size and drawing, and a canvas of its own
    // with the same pen and brush.
    Diagram(const Diagram& other);
    Diagram& operator=(const Diagram& other);

    static constexpr int kWidth = 700;
    static constexpr int kStartHeight = 2000;
    // The largest picture made, in bytes (32 bits a pixel): about 380,000
    // pixels of chart at the width of 700. A larger one would take the
    // machine's memory instead of failing, so it is refused as a bitmap
    // that cannot be allocated is.
    static constexpr qint64 kMaxPictureBytes = qint64(1) << 30;
    // A smaller bound for one picture (the fuzzer draws many small ones).
    void setMaxPictureBytes(qint64 bytes) { m_maxPictureBytes = bytes; }
    // The tallest picture the bound allows at the current width.
    int maxPictureHeight() const
    {
        return m_width > 0 ? static_cast<int>(std::min<qint64>(m_maxPictureBytes / (qint64(m_width) * 4), INT_MAX)) : 0;
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    void setHeight(int h) { m_height = h; }
    void setWidth(int w) { m_width = w; }

    bool hasPicture() const { return m_image != nullptr; }
    // The picture; a null image when there is none.
    const QImage& image() const;
    QImage& image();
    // Removes the picture (the view holds no graphic any more). A picture
    // opened from a file may have had another width; the next chart is
    // drawn 700 wide again.
    void removePicture()
    {
        m_image.reset();
        m_width = kWidth;
        ++m_removals;
        m_opened = false;
    }
    // How often the picture was removed or replaced: a canvas that draws
    // elsewhere than on the image (DisplayList) starts a new picture when
    // this changes, as the image canvas does with its next drawing.
    int removals() const { return m_removals; }
    // Replaces the picture, as opening a picture file does: the diagram
    // takes the picture's size.
    void setPicture(const QImage& image);
    // The picture was opened from a file: its drawing holds at most what
    // was drawn on it since (comments, eraser strokes), not the picture.
    bool isOpenedPicture() const { return m_opened; }
    // Makes a white image of the current size; false when it cannot be
    // allocated (the picture is then left absent).
    bool makeWhiteImage();

    // The canvas on this picture. Its pen and brush persist from one stage to
    // the next and start afresh with each new image.
    PictureCanvas& canvas();

    // Every call the canvas drew the picture with, since the picture was
    // made: the picture as a drawing, which an SVG or PDF chart replays.
    // Empty for a picture opened from a file.
    const DisplayList& drawing() const { return m_drawing; }
    DisplayList& drawing() { return m_drawing; }

private:
    int m_width = kWidth;
    int m_height = kStartHeight;
    qint64 m_maxPictureBytes = kMaxPictureBytes;
    std::shared_ptr<QImage> m_image; // only a picture that is not null, never shared
    int m_removals = 0;
    bool m_opened = false;
    DisplayList m_drawing{this};
    std::unique_ptr<PictureCanvas> m_canvas;
};

} // namespace vexoria
