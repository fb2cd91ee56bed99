// The main window as the user first meets it: controls, menus, the settings
// read at creation and written at close, the tab rules and the exit commands.
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include "app/CommentsGrid.h"
#include "app/DiagramView.h"
#include "app/HelpPanel.h"
#include "app/SettingsPanel.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

QStringList captions(const QMenu* m)
{
    QStringList out;
    for (QAction* a : m->actions())
        if (!a->isSeparator()) out << a->text();
    return out;
}

} // namespace

TEST_F(WindowTest, StartsWithItsCaptionTabsAndHiddenPanels)
{
    MainWindow& f = open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Vexoria V 2.2"));
    EXPECT_EQ(f.pos(), QPoint(101, 100));
    EXPECT_EQ(f.size(), QSize(614, 467));

    ASSERT_EQ(ui().tabs()->count(), 3);
    EXPECT_EQ(ui().tabs()->tabText(0), QStringLiteral("Код"));
    EXPECT_EQ(ui().tabs()->tabText(1), QStringLiteral("Диаграмма"));
    EXPECT_EQ(ui().tabs()->tabText(2), QStringLiteral("Печать"));
    EXPECT_EQ(f.currentTab(), WindowTab::Code);

    EXPECT_EQ(ui().codeEditor()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(ui().chartButton()->text(), QStringLiteral("Схема"));
    EXPECT_EQ(ui().exitButton()->text(), QStringLiteral("Выход"));
    EXPECT_EQ(ui().printLayoutGroup()->title(), QStringLiteral("Печать"));
    EXPECT_EQ(ui().oneSheetButton()->text(), QStringLiteral("Уместить на одном листе"));
    EXPECT_FALSE(ui().oneSheetButton()->isChecked());
    EXPECT_TRUE(ui().pagedButton()->isChecked());
    EXPECT_EQ(ui().printButton()->text(), QStringLiteral("Печать"));

    for (QWidget* w : {static_cast<QWidget*>(ui().routineList()), static_cast<QWidget*>(ui().routinePanel()),
                       static_cast<QWidget*>(ui().helpPanel()), static_cast<QWidget*>(ui().settingsPanel()),
                       static_cast<QWidget*>(ui().commentsGrid()), static_cast<QWidget*>(ui().gridNavigator()),
                       static_cast<QWidget*>(ui().debugTableChoice())})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_EQ(ui().diagramView()->geometry(), QRect(33, 0, 700, 2000));
    EXPECT_FALSE(ui().diagramView()->hasPicture());
    EXPECT_TRUE(ui().previewButton()->isChecked()); // "Предпросмотр"
    EXPECT_EQ(ui().animationTimer()->interval(), 100);
    EXPECT_TRUE(uiState().animationOn); // "Анимация/скорость" is on at first
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(WindowTest, MenusShowEveryItemAndOnlyWorkingOnesCanBeChosen)
{
    MainWindow& f = open();
    const QList<QAction*> top = f.menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), QStringLiteral("Файл"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("Схема"));
    EXPECT_EQ(top[2]->text(), QStringLiteral("Помощь"));
    EXPECT_FALSE(ui().chartMenu()->menuAction()->isEnabled());

    EXPECT_EQ(captions(ui().fileMenu()),
              QStringList({"Открыть *.txt", "Открыть *.pas", "Сохранить *.txt", "Открыть *.bmp", "Сохранить *.bmp",
                           "Настройки", "Печать", "Выход"}));
    EXPECT_EQ(captions(ui().chartMenu()),
              QStringList({"Разметка страниц", "Подписать линии", "Анимация", "Код и схема рядом"}));
    EXPECT_EQ(captions(ui().animationMenu()), QStringList({"Включить", "Выключить"}));
    EXPECT_EQ(captions(ui().helpMenu()), QStringList({"О программе"}));

    for (QAction* a : {f.actions().openText, f.actions().openUnit, f.actions().saveText, f.actions().openPicture,
                       f.actions().savePicture, f.actions().settings, f.actions().print, f.actions().pageMarkers,
                       f.actions().labelLines, f.actions().exit, f.actions().about, f.actions().animationOn,
                       f.actions().animationOff})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();

    EXPECT_TRUE(f.actions().schema->shortcuts().contains(QKeySequence(Qt::Key_F9)));
    EXPECT_EQ(f.actions().exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

TEST_F(WindowTest, CreationTakesTheSettingsFromTheFile)
{
    writeIni("[myform]\r\nmyformtop=240\r\nmyformleft=300\r\nebeg=310\r\ncbotl=1\r\ncbanime=0\r\n"
             "eani=250\r\nradiobutton1=1\r\nradiobutton2=0\r\ncbcvet=0\r\n");
    MainWindow& f = open();
    EXPECT_EQ(f.pos(), QPoint(300, 240));
    EXPECT_EQ(ui().settingsPanel()->beginWidthEdit->text(), QStringLiteral("310"));
    EXPECT_FALSE(ui().settingsPanel()->colourBox->isChecked());
    EXPECT_FALSE(ui().debugTableChoice()->isHidden()); // the debug list shows when "Отладка" is on
    EXPECT_TRUE(ui().settingsPanel()->debugBox->isHidden());
    EXPECT_FALSE(uiState().animationOn);
    EXPECT_EQ(ui().animationTimer()->interval(), 250);
    EXPECT_TRUE(ui().buildAtOnceButton()->isChecked());
    EXPECT_FALSE(ui().previewButton()->isChecked());
}

// A position saved on a screen that is gone, or no position a screen has,
// opens on the primary screen, and the corrected one is what is saved.
TEST_F(WindowTest, AnOffScreenSavedPositionOpensOnThePrimaryScreenAndIsSavedSo)
{
    const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QByteArray& saved :
         {QByteArray("myformleft=-5000\r\nmyformtop=100"), QByteArray("myformleft=2147483647\r\nmyformtop=-2147483648"),
          QByteArray("myformleft=100\r\nmyformtop=-400")}) {
        writeIni("[myform]\r\n" + saved + "\r\n");
        {
            MainWindow& f = open();
            EXPECT_TRUE(primary.contains(f.pos())) << saved.constData();
            EXPECT_TRUE(primary.contains(f.pos() + QPoint(100, 20))) << saved.constData();
            f.close();
        }
        const QByteArray ini = readIni();
        EXPECT_TRUE(ini.contains("myformleft=" + QByteArray::number(form->x()) + "\r\n")) << ini.constData();
        EXPECT_TRUE(ini.contains("myformtop=" + QByteArray::number(form->y()) + "\r\n")) << ini.constData();
    }
}

TEST_F(WindowTest, RadioButtonsBothOffInTheFileLeaveNeitherSelected)
{
    writeIni("[myform]\r\nradiobutton1=0\r\nradiobutton2=0\r\n");
    open();
    EXPECT_FALSE(ui().buildAtOnceButton()->isChecked());
    EXPECT_FALSE(ui().previewButton()->isChecked());
}

TEST_F(WindowTest, ABadAnimationSpeedAtCreationIsReportedAndKeepsTheInterval)
{
    writeIni("[myform]\r\neani=fast\r\n");
    open();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("fast")));
    EXPECT_EQ(ui().animationTimer()->interval(), 100);
}

TEST_F(WindowTest, ASettingsFileThatIsNoRegularFileIsSaidOnceAndTheDefaultsAreUsed)
{
    // A FIFO would hold the start forever if it were opened; a folder has
    // nothing to read. Neither is replaced by a file at close.
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "fifo" : "folder");
        QFile::remove(iniPath());
        QDir(iniPath()).removeRecursively();
        if (fifo) ASSERT_EQ(mkfifo(QFile::encodeName(iniPath()).constData(), 0644), 0);
        else ASSERT_TRUE(QDir().mkpath(iniPath()));
        MainWindow& f = open();
        ASSERT_EQ(prompter.messages().size(), 1);
        EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("не обычный файл")));
        EXPECT_EQ(ui().settingsPanel()->ifWidthEdit->text(), Settings{}.ifTextWidth);
        ui().settingsPanel()->ifWidthEdit->setText(QStringLiteral("210"));
        f.close();
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(prompter.messages().size(), 1);
        EXPECT_FALSE(QFileInfo(iniPath()).isFile());
        form.reset();
        prompter = {};
    }
}

TEST_F(WindowTest, AFirstRunCreatesTheFileAtExitAndTheNextRunRestoresIt)
{
    {
        MainWindow& f = open();
        ui().settingsPanel()->beginWidthEdit->setText(QStringLiteral("333"));
        ui().settingsPanel()->legendBox->setChecked(true);
        f.move(222, 111);
        f.quit();
        EXPECT_FALSE(f.isVisible());
    }
    const QByteArray bytes = readIni();
    EXPECT_EQ(bytes.count("\r\n"), 30);
    EXPECT_TRUE(bytes.contains("ebeg=333\r\n"));
    EXPECT_TRUE(bytes.contains("myformtop=111\r\nmyformleft=222\r\n"));

    MainWindow& again = open();
    EXPECT_EQ(ui().settingsPanel()->beginWidthEdit->text(), QStringLiteral("333"));
    EXPECT_TRUE(ui().settingsPanel()->legendBox->isChecked());
    EXPECT_EQ(again.pos(), QPoint(222, 111));
}

TEST_F(WindowTest, TheExitButtonClosesAndSavesAsTheMenuDoes)
{
    MainWindow& f = open();
    f.show();
    ui().settingsPanel()->ifWidthEdit->setText(QStringLiteral("210"));
    ui().exitButton()->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(readIni().contains("eif=210\r\n"));
    EXPECT_FALSE(ws().statements.isOpen());
}

TEST_F(WindowTest, HelpPanelOpensFromTheMenuAndCloses)
{
    MainWindow& f = open();
    f.show();
    f.actions().about->trigger();
    EXPECT_TRUE(ui().helpPanel()->isVisible());
    const QString text = ui().helpPanel()->helpText->toPlainText();
    for (const char* topic : {"Очередь", "трей", "Настройки", "case"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    EXPECT_EQ(ui().helpPanel()->helpCloseButton->text(), QStringLiteral("Закрыть"));
    ui().helpPanel()->helpCloseButton->click();
    EXPECT_FALSE(ui().helpPanel()->isVisible());
}

// ---- tab rules ---------------------------------------------------------

TEST_F(WindowTest, TheDiagramTabWithNeitherCodeNorPictureSaysSoAndGoesBack)
{
    MainWindow& f = open();
    // Set by the program, to see that the switch back does not run the
    // code tab's rule (which would clear them).
    ui().chartMenu()->menuAction()->setEnabled(true);
    uiState().animationOn = true;

    f.selectTab(WindowTab::Diagram);
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Нет ни кода ни Блок-схемы")});
    EXPECT_EQ(f.currentTab(), WindowTab::Code);
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(ui().chartMenu()->menuAction()->isEnabled());
    EXPECT_TRUE(uiState().animationOn);
}

TEST_F(WindowTest, ThePrintTabWithNeitherCodeNorPictureSaysSoAndGoesBack)
{
    MainWindow& f = open();
    f.selectTab(WindowTab::Print);
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Нет ни кода ни Блок-схемы")});
    EXPECT_EQ(f.currentTab(), WindowTab::Code);
    EXPECT_FALSE(ui().chartMenu()->menuAction()->isEnabled()); // no build ran
}

TEST_F(WindowTest, TheDiagramTabWithAPictureDoesNotRebuild)
{
    MainWindow& f = open();
    ui().codeEditor()->setPlainText(QStringLiteral("begin\nend;"));
    ASSERT_TRUE(ws().diagram.makeWhiteImage());
    f.selectTab(WindowTab::Diagram);
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_EQ(f.currentTab(), WindowTab::Diagram);
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(ui().chartMenu()->menuAction()->isEnabled()); // the build enables it: it did not run
    EXPECT_TRUE(ws().diagram.hasPicture());
}

TEST_F(WindowTest, TheDiagramTabWithCodeButNoPictureBuilds)
{
    MainWindow& f = open();
    ui().codeEditor()->setPlainText(QStringLiteral("begin\nend;"));
    f.selectTab(WindowTab::Diagram);
    EXPECT_TRUE(ui().chartMenu()->menuAction()->isEnabled());
    EXPECT_EQ(ws().codeText, QStringLiteral("begin\r\nend;\r\n"));
}

TEST_F(WindowTest, ThePrintTabWithCodeButNoPictureBuildsFirst)
{
    MainWindow& f = open();
    ui().codeEditor()->setPlainText(QStringLiteral("x := 1;\n"));
    prompter.script(Answer::No); // "Всего 1 страниц": the print is declined
    f.selectTab(WindowTab::Print);
    EXPECT_TRUE(ui().chartMenu()->menuAction()->isEnabled());
    EXPECT_EQ(ws().codeText, QStringLiteral("x := 1;\r\n"));
}

TEST_F(WindowTest, BackToTheCodeTabStopsTheAnimationAndNormalisesTheWindow)
{
    MainWindow& f = open();
    ASSERT_TRUE(ws().diagram.makeWhiteImage());
    f.selectTab(WindowTab::Diagram);
    ASSERT_TRUE(f.windowState() & Qt::WindowMaximized);
    ui().chartMenu()->menuAction()->setEnabled(true);
    uiState().animationOn = true;
    uiState().animStep = 5;

    f.selectTab(WindowTab::Code);
    EXPECT_FALSE(ui().chartMenu()->menuAction()->isEnabled());
    EXPECT_FALSE(uiState().animationOn);
    EXPECT_EQ(uiState().animStep, 0);
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized);
}
