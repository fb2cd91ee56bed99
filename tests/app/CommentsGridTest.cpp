// The comments grid over the statement table: edits land in the table with
// its field rules, rows are deleted, inserted and added with the table's
// cursor rules, and the navigator moves the cursor.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/CommentsGrid.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

using namespace vexoria;
using vexoria::test::ScriptedPrompter;

namespace {

class CommentsGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* s : {"begin", "x := 1;", "end;"}) {
            StatementRow r;
            r.text = QString::fromUtf8(s);
            r.drawOrder = t.size() + 1;
            t.append(r);
        }
        t.first();
        grid.setPrompter(&prompter);
        grid.resize(500, 300);
        grid.show();
        grid.bindTable(&t);
    }

    QModelIndex cell(int row, int col) const { return grid.model()->index(row, col); }
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent e(QEvent::KeyPress, key, mods);
        QCoreApplication::sendEvent(&grid, &e);
    }

    StatementTable t;
    ScriptedPrompter prompter;
    CommentsGridView grid;
};

} // namespace

TEST_F(CommentsGridTest, EditsFollowTheFieldRules)
{
    StatementTableModel& m = *grid.statementModel();
    EXPECT_TRUE(m.setData(cell(1, StatementTableModel::CommentColumn), QString(200, u'ж'), Qt::EditRole));
    EXPECT_EQ(t.at(1).comment.str().size(), 120); // cut to the field's width
    EXPECT_TRUE(m.setData(cell(1, StatementTableModel::KindColumn), QStringLiteral("procedure1"), Qt::EditRole));
    EXPECT_EQ(t.at(1).kind.str(), QStringLiteral("procedure1"));

    EXPECT_FALSE(m.setData(cell(1, StatementTableModel::DrawOrderColumn), QStringLiteral("two"), Qt::EditRole));
    EXPECT_EQ(t.at(1).drawOrder, 2);
    EXPECT_TRUE(m.setData(cell(1, StatementTableModel::DrawOrderColumn), QStringLiteral(""), Qt::EditRole));
    EXPECT_FALSE(t.at(1).drawOrder.has_value());
    EXPECT_TRUE(m.setData(cell(1, StatementTableModel::OpensBlockColumn), QStringLiteral("1"), Qt::EditRole));
    EXPECT_EQ(t.at(1).opensBlock, std::optional<bool>(true));
    EXPECT_FALSE(m.setData(cell(1, StatementTableModel::OpensBlockColumn), QStringLiteral("maybe"), Qt::EditRole));
    EXPECT_FALSE(m.setData(cell(7, StatementTableModel::CommentColumn), QStringLiteral("past the end"), Qt::EditRole));
}

TEST_F(CommentsGridTest, NavigatorMovesTheTablesCursor)
{
    grid.moveLast();
    EXPECT_EQ(t.position(), 2);
    grid.moveNext(); // stays on the last row
    EXPECT_EQ(t.position(), 2);
    grid.movePrior();
    EXPECT_EQ(t.position(), 1);
    grid.moveFirst();
    grid.movePrior();
    EXPECT_EQ(t.position(), 0);
    grid.setCurrentIndex(cell(2, StatementTableModel::TextColumn));
    EXPECT_EQ(t.position(), 2);
}

TEST_F(CommentsGridTest, PostStoresAnOpenEditAndCancelDropsIt)
{
    grid.setCurrentIndex(cell(0, StatementTableModel::CommentColumn));
    grid.editCurrent();
    auto* ed = grid.findChild<QLineEdit*>();
    ASSERT_NE(ed, nullptr);
    ed->setText(QStringLiteral("отмена"));
    grid.cancelEdit();
    EXPECT_FALSE(t.at(0).comment.isSet());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed editor goes

    grid.editCurrent();
    ed = grid.findChild<QLineEdit*>();
    ASSERT_NE(ed, nullptr);
    ed->setText(QStringLiteral("начало"));
    grid.post();
    EXPECT_EQ(t.at(0).comment.str(), QStringLiteral("начало"));
    grid.post(); // nothing open: nothing happens
    EXPECT_EQ(t.at(0).comment.str(), QStringLiteral("начало"));
}

TEST_F(CommentsGridTest, CtrlDeleteAsksAndDeletesWithTheCursorRules)
{
    grid.setCurrentIndex(cell(2, StatementTableModel::TextColumn));
    prompter.script(Answer::No);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(t.size(), 3);

    prompter.script(Answer::Yes);
    press(Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t.position(), 1); // the last row went: the cursor is on the one before
    EXPECT_EQ(grid.currentIndex().row(), 1);

    grid.moveFirst();
    prompter.script(Answer::Yes);
    press(Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(t.size(), 1);
    EXPECT_EQ(t.current().text.str(), QStringLiteral("x := 1;"));

    prompter.script(Answer::Yes);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(t.isEmpty());
    press(Qt::Key_Delete, Qt::ControlModifier); // an empty table asks nothing
    EXPECT_TRUE(prompter.allAnswersUsed());
    EXPECT_EQ(prompter.questions().size(), 4u);
}

TEST_F(CommentsGridTest, InsertAddsBeforeTheCurrentRowAndDownOnTheLastRowAppendsOnce)
{
    grid.setCurrentIndex(cell(1, StatementTableModel::TextColumn));
    press(Qt::Key_Insert);
    ASSERT_EQ(t.size(), 4);
    EXPECT_FALSE(t.at(1).text.isSet());
    EXPECT_EQ(t.at(2).text.str(), QStringLiteral("x := 1;"));
    EXPECT_EQ(t.position(), 1);

    grid.moveLast();
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(t.size(), 5); // one blank row, not three
    EXPECT_EQ(t.position(), 4);

    StatementTable empty;
    grid.bindTable(&empty);
    press(Qt::Key_Down);
    EXPECT_EQ(empty.size(), 1);
}

TEST_F(CommentsGridTest, UnbindingEmptiesTheGridAndLeavesTheTable)
{
    grid.unbind();
    EXPECT_EQ(grid.model()->rowCount(), 0);
    EXPECT_EQ(t.size(), 3);
    press(Qt::Key_Insert);
    press(Qt::Key_Down);
    EXPECT_EQ(t.size(), 3);
}
