// "Код и схема рядом": the code and the chart in one page, split between
// them, and back in their own tabs exactly as they were; the choice and the
// split kept for the next start, apart from shema.ini.
#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>

#include "app/CodeTab.h"
#include "app/DiagramTab.h"
#include "app/PrintTab.h"
#include "app/SideBySide.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

QStringList tabCaptions(const QTabWidget* tabs)
{
    QStringList out;
    for (int i = 0; i < tabs->count(); ++i) out << tabs->tabText(i);
    return out;
}

const QStringList kTabs{QStringLiteral("Код"), QStringLiteral("Диаграмма"), QStringLiteral("Печать")};

} // namespace

TEST_F(WindowTest, SideBySidePutsCodeLeftAndChartRightAndBackInTheirTabs)
{
    MainWindow& f = open();
    QTabWidget* tabs = ui().tabs();
    QAction* item = f.actions().sideBySide;
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());

    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(tabCaptions(tabs), QStringList({QStringLiteral("Код и схема"), QStringLiteral("Печать")}));
    QSplitter* split = ui().sideBySide()->splitter();
    ASSERT_EQ(split->count(), 2);
    EXPECT_EQ(split->widget(0), ui().codeTab());
    EXPECT_EQ(split->widget(1), ui().diagramTab());
    EXPECT_EQ(tabs->currentWidget(), ui().sideBySide()->page());
    EXPECT_EQ(f.currentTab(), WindowTab::Diagram); // the chart is on show
    // Selecting either tab selects the page they share.
    f.selectTab(WindowTab::Code);
    EXPECT_EQ(tabs->currentWidget(), ui().sideBySide()->page());
    EXPECT_TRUE(prompter.messages().isEmpty()) << "no tab rule ran for the shared page";

    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(tabCaptions(tabs), kTabs);
    EXPECT_EQ(tabs->widget(0), ui().codeTab());
    EXPECT_EQ(tabs->widget(1), ui().diagramTab());
    EXPECT_EQ(f.currentTab(), WindowTab::Code);
    EXPECT_TRUE(ui().sideBySide()->page()->isHidden());
}

TEST_F(WindowTest, SideBySideOffShowsTheTabThatWasOnShowBefore)
{
    MainWindow& f = open();
    ui().codeEditor()->setPlainText(QStringLiteral("begin\n  x := 1;\nend;"));
    ui().chartButton()->click();
    ASSERT_EQ(f.currentTab(), WindowTab::Diagram);
    f.setSideBySide(true);
    f.setSideBySide(false);
    EXPECT_EQ(tabCaptions(ui().tabs()), kTabs);
    EXPECT_EQ(f.currentTab(), WindowTab::Diagram);

    // From the print tab the print tab stays on show, both ways.
    f.selectTab(WindowTab::Code);
    prompter.script(Answer::No); // the print tab asks before it prints
    ui().tabs()->setCurrentWidget(ui().printTab());
    f.setSideBySide(true);
    EXPECT_EQ(f.currentTab(), WindowTab::Print);
    f.setSideBySide(false);
    EXPECT_EQ(f.currentTab(), WindowTab::Print);
    EXPECT_EQ(tabCaptions(ui().tabs()), kTabs);
}

TEST_F(WindowTest, SideBySideAndItsSplitAreKeptForTheNextStartButNotInShemaIni)
{
    MainWindow& f = open();
    f.resize(1000, 600);
    f.show();
    f.setSideBySide(true);
    QSplitter* split = ui().sideBySide()->splitter();
    QCoreApplication::processEvents();
    EXPECT_GT(split->sizes().value(1), split->sizes().value(0)) << "the chart has the larger share at first";
    split->setSizes({250, 700});
    const QList<int> sizes = split->sizes();
    ASSERT_TRUE(f.close());

    open();
    form->resize(1000, 600);
    form->show();
    EXPECT_TRUE(form->actions().sideBySide->isChecked());
    EXPECT_TRUE(ui().sideBySide()->isOn());
    EXPECT_EQ(ui().sideBySide()->splitter()->sizes(), sizes);
    EXPECT_FALSE(readIni().contains("sideBySide"));
    EXPECT_FALSE(readIni().contains("sizes"));

    // Switched off, it stays off, and the split waits for the next time.
    form->actions().sideBySide->trigger();
    ASSERT_TRUE(form->close());
    open();
    EXPECT_FALSE(ui().sideBySide()->isOn());
    EXPECT_EQ(tabCaptions(ui().tabs()), kTabs);
    form->resize(1000, 600);
    form->show();
    form->setSideBySide(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(ui().sideBySide()->splitter()->sizes(), sizes);
}

TEST_F(WindowTest, TheSideBySideKeyIsNoOtherCommandsKey)
{
    MainWindow& f = open();
    const QKeySequence key = f.actions().sideBySide->shortcut();
    EXPECT_FALSE(key.isEmpty());
    for (const QAction* a : f.findChildren<QAction*>()) {
        if (a == f.actions().sideBySide) continue;
        for (const QKeySequence& other : a->shortcuts())
            EXPECT_NE(other, key) << a->objectName().toStdString() << " has " << key.toString().toStdString();
    }
}
