#include "app/WindowPlacement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>

namespace vexoria {

namespace {

// How much of the title bar must show for the window to be grabbed there.
constexpr qint64 kGrabWidth = 60;
constexpr qint64 kGrabHeight = 20;

// In 64 bits: a saved position may be any integer, and x + width must not
// overflow.
bool titleBarShows(QPoint at, QSize size, const QRect& screen)
{
    const qint64 left = std::max<qint64>(at.x(), screen.left());
    const qint64 right =
        std::min<qint64>(qint64(at.x()) + std::max(size.width(), 1), qint64(screen.left()) + screen.width());
    const qint64 top = std::max<qint64>(at.y(), screen.top());
    const qint64 bottom = std::min<qint64>(qint64(at.y()) + kGrabHeight, qint64(screen.top()) + screen.height());
    return right - left >= std::min<qint64>(kGrabWidth, std::max(size.width(), 1)) && bottom - top >= kGrabHeight;
}

} // namespace

QPoint onScreenPosition(QPoint saved, QSize size, const std::vector<QRect>& screens)
{
    if (screens.empty()) return saved;
    for (const QRect& s : screens)
        if (titleBarShows(saved, size, s)) return saved;
    const QRect& primary = screens.front();
    const int x = std::max(primary.left(), std::min(primary.left() + 101, primary.right() - size.width() + 1));
    const int y = std::max(primary.top(), std::min(primary.top() + 100, primary.bottom() - size.height() + 1));
    return {x, y};
}

QPoint onScreenPosition(QPoint saved, QSize size)
{
    std::vector<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen()) screens.push_back(primary->availableGeometry());
    for (QScreen* s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen()) screens.push_back(s->availableGeometry());
    return onScreenPosition(saved, size, screens);
}

} // namespace vexoria
