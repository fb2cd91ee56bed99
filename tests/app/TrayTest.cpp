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
    open();
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.hint, QStringLiteral("Vexoria"));
    EXPECT_FALSE(tray.icon.isNull());
    ASSERT_EQ(tray.menu, ui().trayController()->trayMenu);
    QStringList items;
    for (QAction* a : tray.menu->actions()) items << a->text();
    EXPECT_EQ(items, QStringList({"Диаграмма", "Развернуть", "Очистить", "Выход"}));
}

TEST_F(WindowTest, MinimisingGoesToTheTrayAndDropsThePictureOnlyWhenAsked)
{
    MainWindow& f = open();
    f.show();
    ui().codeEditor()->setPlainText(kSixLines);
    ui().chartButton()->click();
    ASSERT_TRUE(ws().diagram.hasPicture());

    ui().settingsPanel()->clearInTrayBox->setChecked(false);
    minimise(f);
    EXPECT_TRUE(f.isHidden());
    EXPECT_TRUE(ws().diagram.hasPicture());
    tray.activate(); // a click on the icon restores the window
    EXPECT_FALSE(f.isHidden());
    EXPECT_FALSE(f.isMinimized());

    ui().settingsPanel()->clearInTrayBox->setChecked(true);
    uiState().animationOn = true;
    uiState().animStep = 7;
    minimise(f);
    EXPECT_TRUE(f.isHidden());
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_FALSE(uiState().animationOn);
    EXPECT_EQ(uiState().animStep, 0);
    ui().trayController()->trayRestoreAction->trigger();
    EXPECT_TRUE(f.isVisible());

    ui().chartButton()->click();
    ui().trayController()->trayClearAction->trigger(); // "Очистить"
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(WindowTest, WithoutANotificationAreaTheWindowMinimisesNormallyAndSaysSoOnce)
{
    tray.available = false;
    MainWindow& f = open();
    f.show();
    ui().codeEditor()->setPlainText(kSixLines);
    ui().chartButton()->click();
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
    ui().trayController()->onActivated();
    EXPECT_TRUE(f.isHidden());
    EXPECT_FALSE(uiState().startInTrayPending);
    ui().trayController()->trayRestoreAction->trigger();
    ui().trayController()->onActivated();
    EXPECT_FALSE(f.isHidden());
}

TEST_F(WindowTest, TheClipboardDiagramBuildsSixLinesRefusesFiveAndEndsTheQueue)
{
    MainWindow& f = open();
    f.hide();
    clipboard.content = QStringLiteral("begin\n  a := 1;\n  b := 2;\n  c := 3;\nend;\n");
    ui().trayController()->trayChartAction->trigger();
    EXPECT_EQ(prompter.messages(), QStringList{"Нет кода"});
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_FALSE(f.isHidden()); // the window came back to say so

    dialogs.choose(writeFile("u.pas", "implementation\r\nprocedure A;\r\nbegin\r\nend;\r\n"));
    f.actions().openUnit->trigger();
    ASSERT_TRUE(queue().fetchBeforeBuild);
    clipboard.content = kSixLines;
    ui().trayController()->trayChartAction->trigger();
    EXPECT_EQ(ui().codeEditor()->toPlainText(), kSixLines);
    EXPECT_TRUE(ws().diagram.hasPicture());
    EXPECT_TRUE(queue().editorHoldsOwnCode);
    EXPECT_FALSE(queue().fetchBeforeBuild);
    EXPECT_TRUE(ui().routineList()->isHidden());
    EXPECT_EQ(prompter.messages().size(), 1);
}
