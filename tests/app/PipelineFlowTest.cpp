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
    ui().codeEditor()->setPlainText(QStringLiteral("begin\n  x := 1;\u00A0{ как есть }\nend;\n"));
    // The window's code is the editor's as the classifier will read it.
    EXPECT_EQ(f.code(), QStringLiteral("begin\r\n  x := 1;\u00A0{ как есть }\r\nend;\r\n"));
    ui().settingsPanel()->beginWidthEdit->setText(QStringLiteral("300"));
    ui().settingsPanel()->legendBox->setChecked(true);
    ui().chartButton()->click();
    EXPECT_EQ(ws().codeText, QStringLiteral("begin\r\n  x := 1;\u00A0{ как есть }\r\nend;\r\n"));
    EXPECT_EQ(ws().settings.beginTextWidth, QStringLiteral("300"));
    EXPECT_TRUE(ws().settings.addLegend);
    EXPECT_TRUE(ui().chartMenu()->menuAction()->isEnabled());
    EXPECT_TRUE(uiState().animationOn);
    EXPECT_FALSE(queue().fetchBeforeBuild);
}

TEST_F(WindowTest, ABuildMaximisesANormalWindowOnlyAndTheShortcutRunsIt)
{
    MainWindow& f = open();
    ui().codeEditor()->setPlainText(QStringLiteral("x := 1;"));
    f.actions().schema->trigger();
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
    ui().codeEditor()->setPlainText(QStringLiteral("begin\nx := 1;\nend;\n"));
    ui().settingsPanel()->reviewCommentsBox->setChecked(true);
    uiState().animationOn = false;

    ui().chartButton()->click();
    EXPECT_TRUE(uiState().gridShown);
    EXPECT_TRUE(ui().commentsGrid()->isVisible());
    EXPECT_TRUE(ui().gridNavigator()->isVisible());
    EXPECT_EQ(shownColumns(*ui().commentsGrid()), QStringList({"stroka", "obiect", "suslovie", "comment"}));
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_EQ(f.currentTab(), WindowTab::Code);
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized); // nothing drawn, nothing maximised
    EXPECT_TRUE(uiState().animationOn);

    // The user adds a row through the grid; the second press must keep it.
    ui().commentsGrid()->statementModel()->appendEmptyRow();
    const int added = ws().statements.size() - 1;
    ws().statements.at(added) = markerRow();

    ui().chartButton()->click();
    EXPECT_FALSE(uiState().gridShown);
    EXPECT_FALSE(ui().commentsGrid()->isVisible());
    EXPECT_FALSE(ui().gridNavigator()->isVisible());
    EXPECT_EQ(ui().commentsGrid()->model()->rowCount(), 0); // unbound
    ASSERT_GE(
        ws().statements.find([](const StatementRow& r) { return r.comment == QStringLiteral("мой комментарий"); }), 0);
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);

    // The third press classifies again and shows the grid again.
    ui().chartButton()->click();
    EXPECT_TRUE(uiState().gridShown);
    EXPECT_EQ(
        ws().statements.find([](const StatementRow& r) { return r.comment == QStringLiteral("мой комментарий"); }), -1);
}

TEST_F(WindowTest, AnEditStillOpenInTheGridIsKeptWhenTheBuildGoesOn)
{
    MainWindow& f = open();
    f.show();
    ui().settingsPanel()->reviewCommentsBox->setChecked(true);
    ui().chartButton()->click();
    ui().commentsGrid()->statementModel()->appendEmptyRow();
    ui().commentsGrid()->moveLast();
    ui().commentsGrid()->setCurrentIndex(
        ui().commentsGrid()->model()->index(ws().statements.size() - 1, StatementTableModel::CommentColumn));
    ui().commentsGrid()->editCurrent();
    QLineEdit* editor = ui().commentsGrid()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("не потерять"));
    ui().chartButton()->click();
    // The stages may sort the table; the row is found by its comment.
    EXPECT_GE(ws().statements.find([](const StatementRow& r) { return r.comment == QStringLiteral("не потерять"); }),
              0);
}

TEST_F(WindowTest, SizingThatStopsTheBuildLeavesTheAnimationOffAndDrawsNothing)
{
    MainWindow& f = open();
    // More than three times the shortest length limit: refused.
    QString code = QStringLiteral("begin\n");
    for (int i = 0; i < 12; ++i) code += QStringLiteral("if a then x := 1;\n");
    ui().codeEditor()->setPlainText(code + QStringLiteral("end;\n"));
    ui().settingsPanel()->maxLengthEdit->setText(QStringLiteral("100"));
    ui().settingsPanel()->reviewCommentsBox->setChecked(true);
    ui().chartButton()->click(); // the grid: the classifier ran, sizing has not
    ASSERT_TRUE(uiState().gridShown);
    ASSERT_TRUE(uiState().animationOn);
    // The second press goes straight to sizing, whose length check refuses
    // the chart.
    queue().editorHoldsOwnCode = false;

    ui().chartButton()->click();
    EXPECT_TRUE(ws().parts.stoppedAfterSizing);
    EXPECT_GT(ws().parts.extraParts, 2);
    EXPECT_FALSE(uiState().animationOn);
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_EQ(f.currentTab(), WindowTab::Code);
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(queue().fetchBeforeBuild); // step 10 did not run
}

TEST_F(WindowTest, ABadSizeSettingEndsTheBuildWithAMessageNamingIt)
{
    MainWindow& f = open();
    ui().codeEditor()->setPlainText(QStringLiteral("begin\nx := 1;\nend;\n"));
    ui().settingsPanel()->maxLengthEdit->setText(QStringLiteral("длинно"));
    ui().chartButton()->click();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("длинно"))) << prompter.messages()[0].toStdString();
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_EQ(f.currentTab(), WindowTab::Code);

    // Every size is read by some stage: none of them may bring the window down.
    ui().settingsPanel()->maxLengthEdit->setText(QStringLiteral("5500"));
    for (QLineEdit* e :
         {ui().settingsPanel()->beginWidthEdit, ui().settingsPanel()->elseWidthEdit, ui().settingsPanel()->varWidthEdit,
          ui().settingsPanel()->ifWidthEdit, ui().settingsPanel()->forWidthEdit, ui().settingsPanel()->whileWidthEdit,
          ui().settingsPanel()->laneSpacingEdit}) {
        const QString good = e->text();
        e->setText(QStringLiteral("x1"));
        ui().chartButton()->click();
        for (const QString& m : prompter.messages().mid(1))
            EXPECT_TRUE(m.contains(QStringLiteral("x1"))) << e->objectName().toStdString() << ": " << m.toStdString();
        e->setText(good);
    }

    const qsizetype before = prompter.messages().size();
    ui().chartButton()->click();
    EXPECT_EQ(prompter.messages().size(), before);
    EXPECT_TRUE(ws().diagram.hasPicture());

    // A value out of its range stops the next build before anything changes:
    // the chart and the tables stay as the last build left them.
    const QImage chart = ws().diagram.image();
    const int rows = ws().statements.size();
    ui().codeEditor()->setPlainText(QStringLiteral("begin\nend;\n"));
    ui().settingsPanel()->ifWidthEdit->setText(QStringLiteral("-1"));
    ui().chartButton()->click();
    EXPECT_EQ(prompter.messages().last(),
              QStringLiteral("Настройки, поле «IF»: -1 — вне допустимых пределов, от 20 до 2000."));
    EXPECT_EQ(ws().diagram.image(), chart);
    EXPECT_EQ(ws().statements.size(), rows);
}
