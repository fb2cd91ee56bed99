#pragma once
// Qt's own texts in Russian: the file, print and page-setup dialogs and the
// standard buttons of a Russian program say "Отмена", not "Cancel", whatever
// the system's language. They come from the system's Qt translations
// (qtbase_ru.qm, Debian package qt6-translations-l10n).
#include <QString>

class QCoreApplication;

namespace vexoria {

// Loads Qt's Russian translations into app from folder (empty: the system's
// Qt translations folder). False when they are not installed: Qt's own texts
// then stay English and the program runs on.
bool installQtRussian(QCoreApplication& app, const QString& folder = QString());

} // namespace vexoria
