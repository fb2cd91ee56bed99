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
StrokRow markerRow()
{
    StrokRow r;
    r.stroka = QStringLiteral("added by hand");
    r.comment = QStringLiteral("мой комментарий");
    return r;
}

} // namespace

TEST_F(WindowTest, ABuildHandsTheEditorsTextWithCrLfAndThePanelsValuesToTheStages)
{
    TMyform& f = open();
    f.Rekod->setPlainText(QStringLiteral("begin\n  x := 1;\u00A0{ как есть }\nend;\n"));
    f.Panel3->Ebeg->setText(QStringLiteral("300"));
    f.Panel3->Cblegend->setChecked(true);
    f.BitBtn3->click();
    EXPECT_EQ(ws().codeText, QStringLiteral("begin\r\n  x := 1;\u00A0{ как есть }\r\nend;\r\n"));
    EXPECT_EQ(ws().settings.ebeg, QStringLiteral("300"));
    EXPECT_TRUE(ws().settings.cblegend);
    EXPECT_TRUE(f.N23->menuAction()->isEnabled());
    EXPECT_EQ(ws().ctx.animOn, 1);
    EXPECT_EQ(ws().ctx.fetchNext, 0);
}

TEST_F(WindowTest, ABuildMaximisesANormalWindowOnlyAndTheShortcutRunsIt)
{
    TMyform& f = open();
    f.Rekod->setPlainText(QStringLiteral("x := 1;"));
    f.schemaShortcut->trigger();
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    // The platform's answer to the maximising arrives before the user can
    // minimise; a build runs the event loop and would take it in late.
    QCoreApplication::processEvents();

    f.setWindowState(Qt::WindowMinimized);
    f.BitBtn3Click();
    EXPECT_EQ(f.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), Qt::WindowMinimized);
}

TEST_F(WindowTest, CommentsGridFirstPressShowsTheTableSecondPressDrawsFromIt)
{
    TMyform& f = open();
    f.show();
    f.Rekod->setPlainText(QStringLiteral("begin\nx := 1;\nend;\n"));
    f.Panel3->Cbpredkom->setChecked(true);
    ws().ctx.animOn = 0;

    f.BitBtn3->click();
    EXPECT_EQ(ws().ctx.gridShown, 1);
    EXPECT_TRUE(f.DBGrid1->isVisible());
    EXPECT_TRUE(f.DBNavigator1->isVisible());
    EXPECT_EQ(shownColumns(*f.DBGrid1), QStringList({"stroka", "obiect", "suslovie", "comment"}));
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_EQ(f.pcontrol1->currentWidget(), f.tscod);
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized); // nothing drawn, nothing maximised
    EXPECT_EQ(ws().ctx.animOn, 1);

    // The user adds a row through the grid; the second press must keep it.
    f.DBGrid1->strokModel()->appendEmptyRow();
    const int added = ws().tstrok.size() - 1;
    ws().tstrok.at(added) = markerRow();
    ws().ctx.sizingAbort = 0;

    f.BitBtn3->click();
    EXPECT_EQ(ws().ctx.gridShown, 0);
    EXPECT_FALSE(f.DBGrid1->isVisible());
    EXPECT_FALSE(f.DBNavigator1->isVisible());
    EXPECT_EQ(f.DBGrid1->model()->rowCount(), 0); // unbound
    ASSERT_GE(ws().tstrok.find([](const StrokRow& r) { return r.comment == QStringLiteral("мой комментарий"); }), 0);
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);

    // The third press classifies again and shows the grid again.
    f.BitBtn3->click();
    EXPECT_EQ(ws().ctx.gridShown, 1);
    EXPECT_EQ(ws().tstrok.find([](const StrokRow& r) { return r.comment == QStringLiteral("мой комментарий"); }), -1);
}

TEST_F(WindowTest, AnEditStillOpenInTheGridIsKeptWhenTheBuildGoesOn)
{
    TMyform& f = open();
    f.show();
    f.Panel3->Cbpredkom->setChecked(true);
    f.BitBtn3->click();
    f.DBGrid1->strokModel()->appendEmptyRow();
    f.DBGrid1->moveLast();
    f.DBGrid1->setCurrentIndex(f.DBGrid1->model()->index(ws().tstrok.size() - 1, StrokModel::Comment));
    f.DBGrid1->editCurrent();
    QLineEdit* editor = f.DBGrid1->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("не потерять"));
    f.BitBtn3->click();
    // The stages may sort the table; the row is found by its comment.
    EXPECT_GE(ws().tstrok.find([](const StrokRow& r) { return r.comment == QStringLiteral("не потерять"); }), 0);
}

TEST_F(WindowTest, SizingThatStopsTheBuildLeavesTheAnimationOffAndDrawsNothing)
{
    TMyform& f = open();
    f.Panel3->Cbpredkom->setChecked(true);
    f.BitBtn3->click(); // the grid: the classifier ran, sizing has not
    ASSERT_EQ(ws().ctx.gridShown, 1);
    ASSERT_EQ(ws().ctx.animOn, 1);
    // The length check refused the chart; the second press goes straight
    // to sizing, which leaves the flag as it is.
    ws().ctx.sizingAbort = 1;
    ws().ctx.ownCode = 0;

    f.BitBtn3->click();
    EXPECT_EQ(ws().ctx.animOn, 0);
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_EQ(f.pcontrol1->currentWidget(), f.tscod);
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(ws().ctx.fetchNext, 0); // step 10 did not run
}

TEST_F(WindowTest, ABadSizeSettingEndsTheBuildWithAMessageNamingIt)
{
    TMyform& f = open();
    f.Rekod->setPlainText(QStringLiteral("begin\nx := 1;\nend;\n"));
    f.Panel3->Edlin->setText(QStringLiteral("длинно"));
    f.BitBtn3->click();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("длинно"))) << prompter.messages()[0].toStdString();
    EXPECT_FALSE(ws().diagram.hasPicture());
    EXPECT_EQ(f.pcontrol1->currentWidget(), f.tscod);

    // Every size is read by some stage: none of them may bring the window down.
    f.Panel3->Edlin->setText(QStringLiteral("5500"));
    for (QLineEdit* e : {f.Panel3->Ebeg, f.Panel3->Eelse, f.Panel3->Evar, f.Panel3->Eif, f.Panel3->Efor,
                         f.Panel3->Ewhile, f.Panel3->Esoed}) {
        const QString good = e->text();
        e->setText(QStringLiteral("x1"));
        f.BitBtn3->click();
        for (const QString& m : prompter.messages().mid(1))
            EXPECT_TRUE(m.contains(QStringLiteral("x1"))) << e->objectName().toStdString() << ": " << m.toStdString();
        e->setText(good);
    }

    const qsizetype before = prompter.messages().size();
    f.BitBtn3->click();
    EXPECT_EQ(prompter.messages().size(), before);
    EXPECT_TRUE(ws().diagram.hasPicture());

    // A value out of its range stops the next build before anything changes:
    // the chart and the tables stay as the last build left them.
    const QImage chart = ws().diagram.image();
    const int rows = ws().tstrok.size();
    f.Rekod->setPlainText(QStringLiteral("begin\nend;\n"));
    f.Panel3->Eif->setText(QStringLiteral("-1"));
    f.BitBtn3->click();
    EXPECT_EQ(prompter.messages().last(), QStringLiteral("Настройки, поле «IF»: -1 — вне допустимых пределов, от 20 до 2000."));
    EXPECT_EQ(ws().diagram.image(), chart);
    EXPECT_EQ(ws().tstrok.size(), rows);
}
