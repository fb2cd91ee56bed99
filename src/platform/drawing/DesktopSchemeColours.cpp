#include <QGuiApplication>
#include <QPalette>

#include "platform/drawing/DiagramFont.h"
#include "platform/drawing/SchemeColours.h"

namespace vexoria {

namespace {

Colour fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

} // namespace

SchemeColours desktopSchemeColours(const std::optional<SchemeColours>& installed)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (installed) return *installed;
        startGuiApplication();
    }
    const QPalette pal = QGuiApplication::palette();
    return {fromQColor(pal.color(QPalette::Active, QPalette::Highlight)),
            fromQColor(pal.color(QPalette::Active, QPalette::Window))};
}

} // namespace vexoria
