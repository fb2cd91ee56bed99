// The routine queue from the window: a unit opened into the check list, the
// queue walked with "Предпросмотр" and with "Построить сразу", the panel's
// buttons and the editor popup's "Остановить" / "Продолжить".
#include <QCoreApplication>
#include <QLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include "app/CodeTab.h"
#include "app/DiagramView.h"
#include "app/RoutineQueuePanel.h"
#include "ScreenShot.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

// No implementation line: the whole file is searched, interface
// declarations included. The string holds a routine word and is no routine.
const QByteArray kNoImplementation = "program Sums;\r\n"
                                     "function Twice(a: Integer): Integer;\r\n"
                                     "begin\r\n"
                                     "  writeln('procedure in a string');\r\n"
                                     "  Twice := a * 2;\r\n"
                                     "end;\r\n"
                                     "  procedure Show(n: Integer);\r\n"
                                     "  begin\r\n"
                                     "    if n > 0 then writeln(n) else writeln(0);\r\n"
                                     "  end;\r\n"
                                     "begin\r\n"
                                     "end.\r\n";

const QByteArray kThree = "unit Three;\r\ninterface\r\nprocedure A;\r\nimplementation\r\n"
                          "procedure A;\r\nbegin\r\n  a := 1;\r\nend;\r\n"
                          "procedure B;\r\nbegin\r\n  while b > 0 do\r\n    b := b - 1;\r\nend;\r\n"
                          "procedure C;\r\nbegin\r\n  if c > 0 then\r\n    c := 0;\r\nend;\r\n"
                          "end.\r\n";

QStringList items(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QString firstLine(const QPlainTextEdit* e) { return e->toPlainText().section(u'\n', 0, 0); }

} // namespace

TEST_F(WindowTest, AUnitWithoutImplementationListsItsRoutineLinesButNoString)
{
    MainWindow& f = open();
    f.show();
    dialogs.choose(writeFile("sums.pas", kNoImplementation));
    f.actions().openUnit->trigger();
    EXPECT_EQ(dialogs.asked()[0].filters.first(), QStringLiteral("Паскаль (*.pas)"));
    EXPECT_EQ(items(ui().routineList()),
              QStringList({"function Twice(a: Integer): Integer;", "  procedure Show(n: Integer);"}));
    EXPECT_EQ(ui().routineList()->item(0)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(ui().routineList()->isHidden());
    EXPECT_FALSE(ui().routinePanel()->isHidden());
    EXPECT_EQ(ws().settings.unitFolder, dir.path());

    // Checked by hand in the list: the string line does not end the copy,
    // the indented header is copied like any other, and the copy ends with
    // the routine: the program's own begin after it is not taken.
    ui().routineList()->item(0)->setCheckState(Qt::Checked);
    ui().routineList()->item(1)->setCheckState(Qt::Checked);
    ui().previewButton()->setChecked(true);
    test::screenShot(&f, QStringLiteral("routine-queue"));
    ui().chartButton()->click();
    EXPECT_EQ(ui().codeEditor()->toPlainText(),
              QStringLiteral("function Twice(a: Integer): Integer;\nbegin\n"
                             "  writeln('procedure in a string');\n  Twice := a * 2;\nend;"));
    EXPECT_TRUE(ui().routineList()->isHidden());
    ui().queuePanel()->skipButton->click(); // "Пропустить"
    EXPECT_EQ(ui().codeEditor()->toPlainText(),
              QStringLiteral(
                  "  procedure Show(n: Integer);\n  begin\n    if n > 0 then writeln(n) else writeln(0);\n  end;"));
    test::screenShot(&f, QStringLiteral("routine-fetched"));
}

TEST_F(WindowTest, WithPreviewPressesAlternateBetweenFetchingAndBuildingUntilTheQueueEnds)
{
    MainWindow& f = open();
    dialogs.choose(writeFile("three.pas", kThree));
    f.actions().openUnit->trigger();
    ui().queuePanel()->checkAllButton->click(); // check all
    ASSERT_TRUE(ui().queuePanel()->checkAllButton->isChecked());
    ASSERT_TRUE(ui().previewButton()->isChecked());

    for (const char* header : {"procedure A;", "procedure B;", "procedure C;"}) {
        ui().chartButton()->click(); // fetches and builds nothing: the last chart stays on show
        EXPECT_EQ(firstLine(ui().codeEditor()), QLatin1String(header));
        EXPECT_FALSE(ws().codeText.startsWith(QLatin1String(header))) << header;
        ui().chartButton()->click(); // builds the fetched routine
        EXPECT_TRUE(ws().codeText.startsWith(QLatin1String(header))) << header;
        EXPECT_TRUE(ws().diagram.hasPicture()) << header;
        EXPECT_TRUE(queue().fetchBeforeBuild);
    }
    ui().chartButton()->click(); // nothing more
    EXPECT_EQ(prompter.messages(), QStringList{"Нет больше выбранного"});
    EXPECT_EQ(firstLine(ui().codeEditor()), QStringLiteral("procedure C;")); // the editor keeps the last one
    EXPECT_TRUE(queue().editorHoldsOwnCode);
    EXPECT_FALSE(queue().fetchBeforeBuild);
    ui().chartButton()->click(); // the editor's code now builds
    EXPECT_TRUE(ws().diagram.hasPicture());
    EXPECT_FALSE(queue().fetchBeforeBuild);
}

TEST_F(WindowTest, WithBuildAtOnceEveryPressFetchesAndBuilds)
{
    MainWindow& f = open();
    dialogs.choose(writeFile("three.pas", kThree));
    f.actions().openUnit->trigger();
    ui().routineList()->item(0)->setCheckState(Qt::Checked);
    ui().routineList()->item(2)->setCheckState(Qt::Checked);
    ui().buildAtOnceButton()->setChecked(true);

    QStringList titles;
    for (int press = 0; press < 2; ++press) {
        ui().chartButton()->click();
        EXPECT_TRUE(ws().diagram.hasPicture());
        EXPECT_EQ(f.currentTab(), WindowTab::Diagram);
        titles << firstLine(ui().codeEditor());
    }
    EXPECT_EQ(titles, QStringList({"procedure A;", "procedure C;"}));
    ui().chartButton()->click();
    EXPECT_EQ(prompter.messages(), QStringList{"Нет больше выбранного"});
}

TEST_F(WindowTest, PanelButtonsSkipGoBackShowTheListAndThePopupSuspendsAndResumes)
{
    MainWindow& f = open();
    dialogs.choose(writeFile("three.pas", kThree));
    f.actions().openUnit->trigger();
    ui().queuePanel()->backButton->click(); // back before any fetch
    EXPECT_EQ(prompter.messages(), QStringList{"Нет большевыбранного !"});

    ui().queuePanel()->checkAllButton->click();
    ui().queuePanel()->skipButton->click();
    ui().queuePanel()->skipButton->click();
    ui().queuePanel()->skipButton->click();
    EXPECT_EQ(firstLine(ui().codeEditor()), QStringLiteral("procedure C;"));
    EXPECT_FALSE(queue().fetchBeforeBuild); // the next press builds it
    ui().queuePanel()->backButton->click();
    EXPECT_EQ(firstLine(ui().codeEditor()), QStringLiteral("procedure B;"));

    ui().queuePanel()->listButton->click(); // "Список": the list shows again, the queue restarts
    EXPECT_FALSE(ui().routineList()->isHidden());
    EXPECT_EQ(queue().curRoutine, -1);
    EXPECT_TRUE(queue().fetchBeforeBuild);

    ui().queuePanel()->queuePauseAction->trigger(); // "Остановить (*.pas)"
    EXPECT_TRUE(ui().routinePanel()->isHidden());
    EXPECT_TRUE(queue().editorHoldsOwnCode);
    EXPECT_FALSE(queue().fetchBeforeBuild);
    ui().queuePanel()->queueResumeAction->trigger(); // "Продолжить (*.pas)"
    EXPECT_FALSE(ui().routinePanel()->isHidden());
    EXPECT_FALSE(queue().editorHoldsOwnCode);
    EXPECT_TRUE(queue().fetchBeforeBuild);

    // Unchecking all empties the queue: the next fetch finds nothing.
    ui().queuePanel()->checkAllButton->click();
    EXPECT_EQ(ui().routineList()->item(1)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(queue().fetchBeforeBuild);
}

TEST_F(WindowTest, ASecondUnitReplacesTheListAndACancelledOneEmptiesIt)
{
    MainWindow& f = open();
    dialogs.choose(writeFile("three.pas", kThree));
    f.actions().openUnit->trigger();
    ui().queuePanel()->checkAllButton->click();
    ui().queuePanel()->skipButton->click();

    dialogs.choose(writeFile("sums.pas", kNoImplementation));
    f.actions().openUnit->trigger();
    EXPECT_EQ(ui().routineList()->count(), 2);
    EXPECT_FALSE(ui().queuePanel()->checkAllButton->isChecked());
    EXPECT_EQ(queue().curRoutine, -1);

    dialogs.cancel();
    f.actions().openUnit->trigger();
    EXPECT_EQ(ui().routineList()->count(), 0);
    ui().chartButton()->click();
    EXPECT_EQ(prompter.messages(), QStringList{"Нет больше выбранного"});
}

// The panel stands beside the editor, not over it: the editor narrows and
// every line's end stays in view, the list over the editor is as wide as
// the editor, and when the queue has run out the editor has its width back.
TEST_F(WindowTest, TheQueuePanelStandsBesideTheEditorUntilTheQueueEnds)
{
    MainWindow& f = open();
    f.resize(760, 520);
    f.show();
    QString code;
    for (int i = 0; i < 30; ++i)
        code +=
            QStringLiteral("  Total%1 := Total%1 + Price[%1] * Quantity[%1] - Discount(Customer, %1); { строка %1 }\n")
                .arg(i);
    ui().codeEditor()->setPlainText(code);
    const auto settle = [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        ui().codeTab()->layout()->activate();
    };
    settle();
    const int fullWidth = ui().codeEditor()->width();

    dialogs.choose(writeFile("three.pas", kThree));
    f.actions().openUnit->trigger();
    settle();
    ASSERT_TRUE(ui().routinePanel()->isVisible());
    EXPECT_LT(ui().codeEditor()->width(), fullWidth);
    EXPECT_LT(ui().codeEditor()->geometry().right(), ui().routinePanel()->geometry().left());
    EXPECT_EQ(ui().routineList()->geometry(), ui().codeEditor()->geometry());
    for (int i = 0; i < ui().routineList()->count(); ++i)
        EXPECT_LT(ui().routineList()->fontMetrics().horizontalAdvance(ui().routineList()->item(i)->text()),
                  ui().routineList()->viewport()->width() - 40);
    test::screenShot(&f, QStringLiteral("queue-list-beside-code"));
    ui().queuePanel()->listButton->click(); // "Список": the list hides, the code shows beside the panel
    test::screenShot(&f, QStringLiteral("queue-panel-beside-code"));

    ui().queuePanel()->checkAllButton->click();
    for (int press = 0; press < 4; ++press) ui().queuePanel()->skipButton->click(); // A, B, C, then none left
    EXPECT_EQ(prompter.messages(), QStringList{"Нет больше выбранного"});
    settle();
    EXPECT_TRUE(ui().routinePanel()->isHidden());
    EXPECT_EQ(ui().codeEditor()->width(), fullWidth);
}
