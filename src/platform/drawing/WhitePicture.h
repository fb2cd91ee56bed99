#pragma once
// A white RGB32 picture, made fast at any size. The picture of a long chart
// is large (700 by 44,548 pixels is 125 MB). Memory fresh from the system
// reaches the program a page at a time, cleared by the system; with 4 KB pages
// that costs more than the whitening itself. So the picture's memory is asked
// for in 2 MB pages where the system offers them (Linux: transparent huge
// pages), and whitened in one pass.
#include <QImage>

namespace vexoria {

// A null image when the memory cannot be had.
QImage makeWhitePicture(int width, int height);

} // namespace vexoria
