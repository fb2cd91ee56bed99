// The build as the "Схема" button runs it: what the window does around the
// stages (the editor's text, the settings, the comments grid, sizing that
// stops the build, maximising, bad settings).
#include <QCoreApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "app/CommentsGrid.h"
#include "app/SettingsPanel.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

QStringList shownColumns(const CommentsGridView& grid)
{
    QStringList out;
    const QHeaderView* h = grid.horizontalHeader();
    for (int visual = 0; visual < h->count(); ++visual) {
        const int logical = h->logicalIndex(visual);
        if (!grid.isColumnHidden(logical))
            out << grid.model()->headerData(logical, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    return out;
}

// A row the classifier would never make: its presence shows the table was
// not classified again.
StatementRow markerRow()
{
    StatementRow r;
    r.text = QStringLiteral("added by hand");
    r.comment = QStringLiteral("мой комментарий");
    return r;
}

} // namespace

TEST_F(WindowTest, ABuildHandsTheEditorsTextWithCrLfAndThePanelsValuesToTheStages)
{
    MainWindow& f = open();
    f.codeEditor->setPlainText(QStringLiteral("begin\n  x := 1;\u00A0{ как есть }\nend;\n"));
    f.settingsPanel->beginWidthEdit->setText(QStringLiteral("300"));
    f.settingsPanel->legendBox->setChecked(true);
    f.chartButton->click();
    EXPECT_EQ(ws().codeText, QStringLiteral("begin\r\n  x := 1;\u00A0{ как есть }\r\nend;\r\n"));
    EXPECT_EQ(ws().settings.beginTextWidth, QStringLiteral("300"));
    EXPECT_TRUE(ws().settings.addLegend);
    EXPECT_TRUE(f.chartMenu->menuAction()->isEnabled());
    EXPECT_TRUE(ui().animationOn);
    EXPECT_FALSE(queue().fetchBeforeBuild);
}

TEST_F(WindowTest, ABuildMaximisesANormalWindowOnlyAndTheShortcutRunsIt)
{
    MainWindow& f = open();
    f.codeEditor->setPlainText(QStringLiteral("x := 1;"));
    f.schemaShortcut->trigger();
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    // The platform's answer to the maximising arrives before the user can
    // minimise; a build runs the event loop and would take it in late.
    QCoreApplication::processEvents();

    f.setWindowState(Qt::WindowMinimized);
    f.buildChart();
    EXPECT_EQ(f.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), Qt::WindowMinimized);
}

TEST_F(WindowTest, CommentsGridFirstPressShowsTheTableSecondPressDrawsFromIt)
{
    MainWindow& f = open();
    f.show();
    f.codeEditor->setPlainText(QStringLiteral("begin\nx := 1;\nend;\n"));
    f.settingsPanel->reviewCommentsBox->setChecked(true);
    ui().animationOn = false;

    f.chartButton->click();
    EXPECT_TRUE(ui().gridShown);
    EXPECT_TRUE(f.commentsGrid->isVisible());
    EXPECT_TRUE(f.gridNavigator->isVisible());
    EXPECT_EQ(shownColumns(*f.commentsGrid), QStringList({"stroka", "obiect", "suslovie", "comment"}));
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_EQ(f.tabs->currentWidget(), f.codeTab);
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized); // nothing drawn, nothing maximised
    EXPECT_TRUE(ui().animationOn);

    // The user adds a row through the grid; the second press must keep it.
    f.commentsGrid->statementModel()->appendEmptyRow();
    const int added = ws().statements.size() - 1;
    ws().statements.at(added) = markerRow();

    f.chartButton->click();
    EXPECT_FALSE(ui().gridShown);
    EXPECT_FALSE(f.commentsGrid->isVisible());
    EXPECT_FALSE(f.gridNavigator->isVisible());
    EXPECT_EQ(f.commentsGrid->model()->rowCount(), 0); // unbound
    ASSERT_GE(ws().statements.find([](const StatementRow& r) { return r.comment == QStringLiteral("мой комментарий"); }), 0);
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);

    // The third press classifies again and shows the grid again.
    f.chartButton->click();
    EXPECT_TRUE(ui().gridShown);
    EXPECT_EQ(ws().statements.find([](const StatementRow& r) { return r.comment == QStringLiteral("мой комментарий"); }), -1);
}

TEST_F(WindowTest, AnEditStillOpenInTheGridIsKeptWhenTheBuildGoesOn)
{
    MainWindow& f = open();
    f.show();
    f.settingsPanel->reviewCommentsBox->setChecked(true);
    f.chartButton->click();
    f.commentsGrid->statementModel()->appendEmptyRow();
    f.commentsGrid->moveLast();
    f.commentsGrid->setCurrentIndex(f.commentsGrid->model()->index(ws().statements.size() - 1, StatementTableModel::CommentColumn));
    f.commentsGrid->editCurrent();
    QLineEdit* editor = f.commentsGrid->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("не потерять"));
    f.chartButton->click();
    // The stages may sort the table; the row is found by its comment.
    EXPECT_GE(ws().statements.find([](const StatementRow& r) { return r.comment == QStringLiteral("не потерять"); }), 0);
}

TEST_F(WindowTest, SizingThatStopsTheBuildLeavesTheAnimationOffAndDrawsNothing)
{
    MainWindow& f = open();
    // More than three times the shortest length limit: refused.
    QString code = QStringLiteral("begin\n");
    for (int i = 0; i < 12; ++i) code += QStringLiteral("if a then x := 1;\n");
    f.codeEditor->setPlainText(code + QStringLiteral("end;\n"));
    f.settingsPanel->maxLengthEdit->setText(QStringLiteral("100"));
    f.settingsPanel->reviewCommentsBox->setChecked(true);
    f.chartButton->click(); // the grid: the classifier ran, sizing has not
    ASSERT_TRUE(ui().gridShown);
    ASSERT_TRUE(ui().animationOn);
    // The second press goes straight to sizing, whose length check refuses
    // the chart.
    queue().editorHoldsOwnCode = false;

    f.chartButton->click();
    EXPECT_TRUE(ws().parts.stoppedAfterSizing);
    EXPECT_GT(ws().parts.extraParts, 2);
    EXPECT_FALSE(ui().animationOn);
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_EQ(f.tabs->currentWidget(), f.codeTab);
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(queue().fetchBeforeBuild); // step 10 did not run
}

TEST_F(WindowTest, ABadSizeSettingEndsTheBuildWithAMessageNamingIt)
{
    MainWindow& f = open();
    f.codeEditor->setPlainText(QStringLiteral("begin\nx := 1;\nend;\n"));
    f.settingsPanel->maxLengthEdit->setText(QStringLiteral("длинно"));
    f.chartButton->click();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("длинно"))) << prompter.messages()[0].toStdString();
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_EQ(f.tabs->currentWidget(), f.codeTab);

    // Every size is read by some stage: none of them may bring the window down.
    f.settingsPanel->maxLengthEdit->setText(QStringLiteral("5500"));
    for (QLineEdit* e : {f.settingsPanel->beginWidthEdit, f.settingsPanel->elseWidthEdit, f.settingsPanel->varWidthEdit, f.settingsPanel->ifWidthEdit, f.settingsPanel->forWidthEdit,
                         f.settingsPanel->whileWidthEdit, f.settingsPanel->laneSpacingEdit}) {
        const QString good = e->text();
        e->setText(QStringLiteral("x1"));
        f.chartButton->click();
        for (const QString& m : prompter.messages().mid(1))
            EXPECT_TRUE(m.contains(QStringLiteral("x1"))) << e->objectName().toStdString() << ": " << m.toStdString();
        e->setText(good);
    }

    const qsizetype before = prompter.messages().size();
    f.chartButton->click();
    EXPECT_EQ(prompter.messages().size(), before);
    EXPECT_TRUE(ws().diagram.hasPicture());

    // A value out of its range stops the next build before anything changes:
    // the chart and the tables stay as the last build left them.
    const QImage chart = ws().diagram.image();
    const int rows = ws().statements.size();
    f.codeEditor->setPlainText(QStringLiteral("begin\nend;\n"));
    f.settingsPanel->ifWidthEdit->setText(QStringLiteral("-1"));
    f.chartButton->click();
    EXPECT_EQ(prompter.messages().last(), QStringLiteral("Настройки, поле «IF»: -1 — вне допустимых пределов, от 20 до 2000."));
    EXPECT_EQ(ws().diagram.image(), chart);
    EXPECT_EQ(ws().statements.size(), rows);
}
