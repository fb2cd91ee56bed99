// Vexoria: flowcharts of Pascal routines.
#include <QApplication>

#include "app/Uvexoria.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexoria"));
    vexoria::TMyform form;
    form.show();
    return QApplication::exec();
}
