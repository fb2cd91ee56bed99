// Vexoria: flowcharts of Pascal routines.
#include <QApplication>

#include "app/Uvexoria.h"
#include "platform/core/QuietMessages.h"

int main(int argc, char* argv[])
{
    vexoria::installQuietMessages();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexoria"));
    vexoria::TMyform form;
    form.show();
    return QApplication::exec();
}
