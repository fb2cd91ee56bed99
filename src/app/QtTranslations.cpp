#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vexoria {

bool installQtRussian(QCoreApplication& app, const QString& folder)
{
    const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    auto* translator = new QTranslator(&app);
    // qtbase_ru holds the dialogs and buttons of the widgets the window uses.
    if (!translator->load(QStringLiteral("qtbase_ru"), from)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace vexoria
