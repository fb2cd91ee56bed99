// The program in the notification area: the icon and its menu, minimising
// to the tray, starting there, the clipboard diagram, and a desktop without
// a notification area.
#include <QCheckBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/SettingsPanel.h"
#include "app/TrayController.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

const QString kSixLines = QStringLiteral("begin\n  a := 1;\n  b := 2;\n  c := 3;\n  d := 4;\nend;\n");

void minimise(MainWindow& f)
{
    f.setWindowState(f.windowState() | Qt::WindowMinimized);
    QCoreApplication::processEvents();
}

} // namespace

TEST_F(WindowTest, TheTrayIconShowsFromTheStartWithItsHintAndMenu)
{
    MainWindow& f = open();
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.hint, QStringLiteral("Vexoria"));
    EXPECT_FALSE(tray.icon.isNull());
    ASSERT_EQ(tray.menu, f.trayController->trayMenu);
    QStringList items;
    for (QAction* a : tray.menu->actions()) items << a->text();
    EXPECT_EQ(items, QStringList({"Диаграмма", "Развернуть", "Очистить", "Выход"}));
}

TEST_F(WindowTest, MinimisingGoesToTheTrayAndDropsThePictureOnlyWhenAsked)
{
    MainWindow& f = open();
    f.show();
    f.codeEditor->setPlainText(kSixLines);
    f.chartButton->click();
    ASSERT_TRUE(ws().diagram.hasPicture());

    f.settingsPanel->clearInTrayBox->setChecked(false);
    minimise(f);
    EXPECT_TRUE(f.isHidden());
    EXPECT_TRUE(ws().diagram.hasPicture());
    tray.activate(); // a click on the icon restores the window
    EXPECT_FALSE(f.isHidden());
    EXPECT_FALSE(f.isMinimized());

    f.settingsPanel->clearInTrayBox->setChecked(true);
    ui().animationOn = true;
    ui().animStep = 7;
    minimise(f);
    EXPECT_TRUE(f.isHidden());
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_FALSE(ui().animationOn);
    EXPECT_EQ(ui().animStep, 0);
    f.trayController->trayRestoreAction->trigger();
    EXPECT_TRUE(f.isVisible());

    f.chartButton->click();
    f.trayController->trayClearAction->trigger(); // "Очистить"
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(WindowTest, WithoutANotificationAreaTheWindowMinimisesNormallyAndSaysSoOnce)
{
    tray.available = false;
    MainWindow& f = open();
    f.show();
    f.codeEditor->setPlainText(kSixLines);
    f.chartButton->click();
    minimise(f);
    EXPECT_FALSE(f.isHidden());
    EXPECT_TRUE(ws().diagram.hasPicture());
    f.setWindowState(Qt::WindowNoState);
    minimise(f);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("области уведомлений")));
}

TEST_F(WindowTest, StartInTrayActsAtTheFirstActivationOnly)
{
    writeIni("[myform]\r\ncheckbox1=1\r\n");
    MainWindow& f = open();
    f.show();
    f.trayController->onActivated();
    EXPECT_TRUE(f.isHidden());
    EXPECT_FALSE(ui().startInTrayPending);
    f.trayController->trayRestoreAction->trigger();
    f.trayController->onActivated();
    EXPECT_FALSE(f.isHidden());
}

TEST_F(WindowTest, TheClipboardDiagramBuildsSixLinesRefusesFiveAndEndsTheQueue)
{
    MainWindow& f = open();
    f.hide();
    clipboard.content = QStringLiteral("begin\n  a := 1;\n  b := 2;\n  c := 3;\nend;\n");
    f.trayController->trayChartAction->trigger();
    EXPECT_EQ(prompter.messages(), QStringList{"Нет кода"});
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_FALSE(f.isHidden()); // the window came back to say so

    dialogs.choose(writeFile("u.pas", "implementation\r\nprocedure A;\r\nbegin\r\nend;\r\n"));
    f.openUnitAction->trigger();
    ASSERT_TRUE(queue().fetchBeforeBuild);
    clipboard.content = kSixLines;
    f.trayController->trayChartAction->trigger();
    EXPECT_EQ(f.codeEditor->toPlainText(), kSixLines);
    EXPECT_TRUE(ws().diagram.hasPicture());
    EXPECT_TRUE(queue().editorHoldsOwnCode);
    EXPECT_FALSE(queue().fetchBeforeBuild);
    EXPECT_TRUE(f.routineList->isHidden());
    EXPECT_EQ(prompter.messages().size(), 1);
}
