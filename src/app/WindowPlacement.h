#pragma once
// Where the main window opens. The position saved in shema.ini may lie on a
// screen that is no longer attached, or be any number at all; a window that
// would open where no screen shows enough of it to be grabbed is moved onto
// the primary screen.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace vexoria {

// saved: the window's saved top-left corner; size: its size; screens: the
// available areas of the screens, the primary one first. Returns saved when
// a piece of the window's top edge, where its title bar is, lies on a screen;
// otherwise the start place (101, 100) on the primary screen, pulled in so the
// window's corner stays on it.
QPoint onScreenPosition(QPoint saved, QSize size, const std::vector<QRect>& screens);

// The same with the screens the desktop has now.
QPoint onScreenPosition(QPoint saved, QSize size);

} // namespace vexoria
