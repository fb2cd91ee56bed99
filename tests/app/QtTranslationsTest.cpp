// Qt's own dialogs and buttons speak Russian with the rest of the program,
// from the system's Qt translations, whatever the system's language.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include "app/QtTranslations.h"

using namespace vexoria;

namespace {

// Takes the translations out again, so that other tests see Qt as it starts.
void removeTranslators()
{
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

} // namespace

TEST(QtTranslations, QtsOwnButtonsAndDialogsSpeakRussian)
{
    ASSERT_TRUE(installQtRussian(*qApp)) << "qtbase_ru.qm is missing: the package qt6-translations-l10n";
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
    EXPECT_NE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Print"));
    removeTranslators();
}

TEST(QtTranslations, MissingTranslationsLeaveQtEnglishAndTheProgramRunning)
{
    QTemporaryDir empty;
    EXPECT_FALSE(installQtRussian(*qApp, empty.path()));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    removeTranslators();
}
