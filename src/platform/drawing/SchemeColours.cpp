#include "platform/drawing/SchemeColours.h"

#include <QGuiApplication>
#include <QPalette>

#include "platform/drawing/DiagramFont.h"

namespace vexoria {

namespace {

std::optional<SchemeColours>& installed()
{
    static std::optional<SchemeColours> c;
    return c;
}

Colour fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

} // namespace

void installSchemeColours(const SchemeColours& colours) { installed() = colours; }

SchemeColours schemeColours()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (installed()) return *installed();
        startGuiApplication();
    }
    const QPalette pal = QGuiApplication::palette();
    return {fromQColor(pal.color(QPalette::Active, QPalette::Highlight)),
            fromQColor(pal.color(QPalette::Active, QPalette::Window))};
}

} // namespace vexoria
