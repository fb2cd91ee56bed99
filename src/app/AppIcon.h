#pragma once
// The program's icon, for the window and the notification area: the SVG
// the install puts into the icon theme, drawn at the sizes a desktop asks for.
#include <QIcon>

namespace vexoria {

QIcon programIcon();

} // namespace vexoria
