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
    TMyform& f = open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Vexoria V 2.2"));
    EXPECT_EQ(f.pos(), QPoint(101, 100));
    EXPECT_EQ(f.size(), QSize(614, 467));

    ASSERT_EQ(f.pcontrol1->count(), 3);
    EXPECT_EQ(f.pcontrol1->tabText(0), QStringLiteral("Код"));
    EXPECT_EQ(f.pcontrol1->tabText(1), QStringLiteral("Диаграмма"));
    EXPECT_EQ(f.pcontrol1->tabText(2), QStringLiteral("Печать"));
    EXPECT_EQ(f.pcontrol1->currentWidget(), f.tscod);

    EXPECT_EQ(f.Rekod->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(f.BitBtn3->text(), QStringLiteral("Схема"));
    EXPECT_EQ(f.BitBtn4->text(), QStringLiteral("Выход"));
    EXPECT_EQ(f.RadioGroup1->title(), QStringLiteral("Печать"));
    EXPECT_EQ(f.RadioGroup1Item1->text(), QStringLiteral("Уместить на одном листе"));
    EXPECT_FALSE(f.RadioGroup1Item1->isChecked());
    EXPECT_TRUE(f.RadioGroup1Item2->isChecked());
    EXPECT_EQ(f.BitBtn5->text(), QStringLiteral("Печать"));

    for (QWidget* w : {static_cast<QWidget*>(f.Clb1), static_cast<QWidget*>(f.Panel1), static_cast<QWidget*>(f.Panel2),
                       static_cast<QWidget*>(f.Panel3), static_cast<QWidget*>(f.DBGrid1),
                       static_cast<QWidget*>(f.DBNavigator1), static_cast<QWidget*>(f.ComboBox1)})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_EQ(f.Idiag1->geometry(), QRect(33, 0, 700, 2000));
    EXPECT_FALSE(f.Idiag1->hasPicture());
    EXPECT_TRUE(f.RadioButton2->isChecked()); // "Предпросмотр"
    EXPECT_EQ(f.Timer1->interval(), 100);
    EXPECT_EQ(ws().ctx.animOn, 1);           // "Анимация/скорость" is on at first
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(WindowTest, MenusShowEveryItemAndOnlyWorkingOnesCanBeChosen)
{
    TMyform& f = open();
    const QList<QAction*> top = f.menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), QStringLiteral("Файл"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("Схема"));
    EXPECT_EQ(top[2]->text(), QStringLiteral("Помощь"));
    EXPECT_FALSE(f.N23->menuAction()->isEnabled());

    EXPECT_EQ(captions(f.fileMenu),
              QStringList({"Открыть *.txt", "Открыть *.pas", "Сохранить *.txt", "Открыть *.bmp", "Сохранить *.bmp",
                           "Настройки", "Печать", "Выход"}));
    EXPECT_EQ(captions(f.N23), QStringList({"Разметка страниц", "Подписать линии", "Анимация"}));
    EXPECT_EQ(captions(f.N26), QStringList({"Включить", "Выключить"}));
    EXPECT_EQ(captions(f.helpMenu), QStringList({"О программе"}));

    for (QAction* a : {f.Coed1, f.pas1, f.txt1, f.bmp1, f.bmp2, f.N14, f.N12, f.N24, f.N25, f.N2, f.N11, f.N27, f.N28})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();

    EXPECT_TRUE(f.schemaShortcut->shortcuts().contains(QKeySequence(Qt::Key_F9)));
    EXPECT_EQ(f.N2->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

TEST_F(WindowTest, CreationTakesTheSettingsFromTheFile)
{
    writeIni("[myform]\r\nmyformtop=240\r\nmyformleft=300\r\nebeg=310\r\ncbotl=1\r\ncbanime=0\r\n"
             "eani=250\r\nradiobutton1=1\r\nradiobutton2=0\r\ncbcvet=0\r\n");
    TMyform& f = open();
    EXPECT_EQ(f.pos(), QPoint(300, 240));
    EXPECT_EQ(f.Panel3->Ebeg->text(), QStringLiteral("310"));
    EXPECT_FALSE(f.Panel3->CBcvet->isChecked());
    EXPECT_FALSE(f.ComboBox1->isHidden()); // the debug list shows when "Отладка" is on
    EXPECT_TRUE(f.Panel3->CBotl->isHidden());
    EXPECT_EQ(ws().ctx.animOn, 0);
    EXPECT_EQ(f.Timer1->interval(), 250);
    EXPECT_TRUE(f.RadioButton1->isChecked());
    EXPECT_FALSE(f.RadioButton2->isChecked());
}

// A position saved on a screen that is gone, or no position a screen has,
// opens on the primary screen, and the corrected one is what is saved.
TEST_F(WindowTest, AnOffScreenSavedPositionOpensOnThePrimaryScreenAndIsSavedSo)
{
    const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QByteArray& saved : {QByteArray("myformleft=-5000\r\nmyformtop=100"),
                                    QByteArray("myformleft=2147483647\r\nmyformtop=-2147483648"),
                                    QByteArray("myformleft=100\r\nmyformtop=-400")}) {
        writeIni("[myform]\r\n" + saved + "\r\n");
        {
            TMyform& f = open();
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
    TMyform& f = open();
    EXPECT_FALSE(f.RadioButton1->isChecked());
    EXPECT_FALSE(f.RadioButton2->isChecked());
}

TEST_F(WindowTest, ABadAnimationSpeedAtCreationIsReportedAndKeepsTheInterval)
{
    writeIni("[myform]\r\neani=fast\r\n");
    TMyform& f = open();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("fast")));
    EXPECT_EQ(f.Timer1->interval(), 100);
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
        TMyform& f = open();
        ASSERT_EQ(prompter.messages().size(), 1);
        EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("не обычный файл")));
        EXPECT_EQ(f.Panel3->Eif->text(), Settings{}.eif);
        f.Panel3->Eif->setText(QStringLiteral("210"));
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
        TMyform& f = open();
        f.Panel3->Ebeg->setText(QStringLiteral("333"));
        f.Panel3->Cblegend->setChecked(true);
        f.move(222, 111);
        f.N2Click();
        EXPECT_FALSE(f.isVisible());
    }
    const QByteArray bytes = readIni();
    EXPECT_EQ(bytes.count("\r\n"), 30);
    EXPECT_TRUE(bytes.contains("ebeg=333\r\n"));
    EXPECT_TRUE(bytes.contains("myformtop=111\r\nmyformleft=222\r\n"));

    TMyform& again = open();
    EXPECT_EQ(again.Panel3->Ebeg->text(), QStringLiteral("333"));
    EXPECT_TRUE(again.Panel3->Cblegend->isChecked());
    EXPECT_EQ(again.pos(), QPoint(222, 111));
}

TEST_F(WindowTest, TheExitButtonClosesAndSavesAsTheMenuDoes)
{
    TMyform& f = open();
    f.show();
    f.Panel3->Eif->setText(QStringLiteral("210"));
    f.BitBtn4->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(readIni().contains("eif=210\r\n"));
    EXPECT_FALSE(ws().tstrok.isOpen());
}

TEST_F(WindowTest, HelpPanelOpensFromTheMenuAndCloses)
{
    TMyform& f = open();
    f.show();
    f.N11->trigger();
    EXPECT_TRUE(f.Panel2->isVisible());
    const QString text = f.Panel2->Memo1->toPlainText();
    for (const char* topic : {"Очередь", "трей", "Настройки", "case"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    EXPECT_EQ(f.Panel2->Button1->text(), QStringLiteral("Закрыть"));
    f.Panel2->Button1->click();
    EXPECT_FALSE(f.Panel2->isVisible());
}

// ---- tab rules ---------------------------------------------------------

TEST_F(WindowTest, TheDiagramTabWithNeitherCodeNorPictureSaysSoAndGoesBack)
{
    TMyform& f = open();
    // Set by the program, to see that the switch back does not run the
    // code tab's rule (which would clear them).
    f.N23->menuAction()->setEnabled(true);
    ws().ctx.animOn = 1;

    f.pcontrol1->setCurrentWidget(f.tsdi);
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Нет ни кода ни Блок-схемы")});
    EXPECT_EQ(f.pcontrol1->currentWidget(), f.tscod);
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(f.N23->menuAction()->isEnabled());
    EXPECT_EQ(ws().ctx.animOn, 1);
}

TEST_F(WindowTest, ThePrintTabWithNeitherCodeNorPictureSaysSoAndGoesBack)
{
    TMyform& f = open();
    f.pcontrol1->setCurrentWidget(f.Totch);
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Нет ни кода ни Блок-схемы")});
    EXPECT_EQ(f.pcontrol1->currentWidget(), f.tscod);
    EXPECT_FALSE(f.N23->menuAction()->isEnabled()); // no build ran
}

TEST_F(WindowTest, TheDiagramTabWithAPictureDoesNotRebuild)
{
    TMyform& f = open();
    f.Rekod->setPlainText(QStringLiteral("begin\nend;"));
    ASSERT_TRUE(ws().diagram.makeWhiteImage());
    f.pcontrol1->setCurrentWidget(f.tsdi);
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_EQ(f.pcontrol1->currentWidget(), f.tsdi);
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(f.N23->menuAction()->isEnabled()); // the build enables it: it did not run
    EXPECT_TRUE(ws().diagram.hasPicture());
}

TEST_F(WindowTest, TheDiagramTabWithCodeButNoPictureBuilds)
{
    TMyform& f = open();
    f.Rekod->setPlainText(QStringLiteral("begin\nend;"));
    f.pcontrol1->setCurrentWidget(f.tsdi);
    EXPECT_TRUE(f.N23->menuAction()->isEnabled());
    EXPECT_EQ(ws().codeText, QStringLiteral("begin\r\nend;\r\n"));
}

TEST_F(WindowTest, ThePrintTabWithCodeButNoPictureBuildsFirst)
{
    TMyform& f = open();
    f.Rekod->setPlainText(QStringLiteral("x := 1;\n"));
    prompter.script(Answer::No); // "Всего 1 страниц": the print is declined
    f.pcontrol1->setCurrentWidget(f.Totch);
    EXPECT_TRUE(f.N23->menuAction()->isEnabled());
    EXPECT_EQ(ws().codeText, QStringLiteral("x := 1;\r\n"));
}

TEST_F(WindowTest, BackToTheCodeTabStopsTheAnimationAndNormalisesTheWindow)
{
    TMyform& f = open();
    ASSERT_TRUE(ws().diagram.makeWhiteImage());
    f.pcontrol1->setCurrentWidget(f.tsdi);
    ASSERT_TRUE(f.windowState() & Qt::WindowMaximized);
    f.N23->menuAction()->setEnabled(true);
    ws().ctx.animOn = 1;
    ws().ctx.animStep = 5;

    f.pcontrol1->setCurrentWidget(f.tscod);
    EXPECT_FALSE(f.N23->menuAction()->isEnabled());
    EXPECT_EQ(ws().ctx.animOn, 0);
    EXPECT_EQ(ws().ctx.animStep, 0);
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized);
}
