// Vexoria: flowcharts of Pascal routines.
#include <QApplication>

#include "app/QtTranslations.h"
#include "app/MainWindow.h"
#include "platform/prompts/QuietMessages.h"

int main(int argc, char* argv[])
{
    vexoria::installQuietMessages();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexoria"));
    // The program speaks Russian, so Qt's own dialogs do too.
    vexoria::installQtRussian(app);
    vexoria::MainWindow form;
    form.show();
    return QApplication::exec();
}
