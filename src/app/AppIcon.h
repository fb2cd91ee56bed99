#pragma once
// The program's icon, for the window and the notification area: a small
// flowchart (a start block, a decision and an arrow), drawn at 16 and 32 px.
#include <QIcon>

namespace vexoria {

QIcon programIcon();

} // namespace vexoria
