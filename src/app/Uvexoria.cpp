#include "app/Uvexoria.h"

namespace vexoria {

TMyform::TMyform(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Vexoria V 2.2"));
    setGeometry(101, 100, 614, 467);
}

} // namespace vexoria
