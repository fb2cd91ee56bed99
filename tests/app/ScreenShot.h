#pragma once
// Pictures of the window for a person to look at: written only when
// VEXORIA_SCREENSHOTS names a folder. On a real display (QT_QPA_PLATFORM=xcb
// under xvfb-run) the whole screen is taken, otherwise the window is drawn.
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace vexoria::test {

inline void screenShot(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("VEXORIA_SCREENSHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    if (QGuiApplication::platformName() != u"xcb") {
        window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
        return;
    }
    // The display shows what the window painted only once its events ran.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 300) QGuiApplication::processEvents(QEventLoop::AllEvents, 20);
    const QPixmap shot = window->screen()->grabWindow(0);
    shot.save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace vexoria::test
