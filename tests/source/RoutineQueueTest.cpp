#include <gtest/gtest.h>

#include "source/RoutineQueue.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

using namespace vexoria;
using test::ScriptedPrompter;

namespace {

const QStringList kUnit = {
    "unit Three;", "implementation", "procedure A;",   "begin",   "  a := 1;",   "end;",   "procedure B;", "begin",
    "  b := 2;",   "end;",           "  procedure C;", "  begin", "    c := 3;", "  end;", "end.",
};

const QStringList kRoutineA = {"procedure A;", "begin", "  a := 1;", "end;"};
const QStringList kRoutineB = {"procedure B;", "begin", "  b := 2;", "end;"};
const QStringList kRoutineC = {"  procedure C;", "  begin", "    c := 3;", "  end;"};

struct Queue {
    QueueState state;
    ScriptedPrompter prompter;
    RoutineQueue queue{state, prompter};

    // Opens kUnit with every routine checked, as after "check all".
    Queue()
    {
        queue.openUnit(kUnit);
        queue.checkAll();
    }
};

} // namespace

TEST(RoutineQueue, OpeningAUnitListsItsRoutinesAndStartsTheQueue)
{
    QueueState state;
    ScriptedPrompter prompter;
    RoutineQueue queue(state, prompter);
    queue.openUnit(kUnit);

    ASSERT_EQ(queue.items().size(), 3u);
    EXPECT_EQ(queue.items()[2].text, QString("  procedure C;"));
    EXPECT_FALSE(queue.items()[0].checked);
    EXPECT_EQ(state.implLine, 1);
    EXPECT_EQ(state.unitLines, kUnit);
    EXPECT_EQ(state.curRoutine, -1);
    EXPECT_TRUE(state.fetchBeforeBuild);
    EXPECT_FALSE(state.editorHoldsOwnCode);
    EXPECT_TRUE(queue.listVisible());
    EXPECT_TRUE(queue.panelVisible());
}

TEST(RoutineQueue, FetchesEveryCheckedRoutineInTurnThenEnds)
{
    Queue q;
    EXPECT_EQ(q.queue.fetchNext(), kRoutineA);
    EXPECT_EQ(q.state.curRoutine, 0);
    EXPECT_EQ(q.queue.fetchNext(), kRoutineB);
    EXPECT_EQ(q.queue.fetchNext(), kRoutineC); // the indented last one, without "end."
    EXPECT_FALSE(q.state.queueExhausted);

    q.state.fetchBeforeBuild = true;
    EXPECT_EQ(q.queue.fetchNext(), std::nullopt); // the editor keeps routine C
    EXPECT_EQ(q.prompter.messages(), QStringList{"Нет больше выбранного"});
    EXPECT_FALSE(q.state.fetchBeforeBuild);
    EXPECT_TRUE(q.state.editorHoldsOwnCode);
    EXPECT_EQ(q.state.curRoutine, -1);
    EXPECT_TRUE(q.state.queueExhausted);

    // The next fetch starts again from the first routine.
    EXPECT_EQ(q.queue.fetchNext(), kRoutineA);
    EXPECT_FALSE(q.state.queueExhausted);
}

TEST(RoutineQueue, NothingCheckedAfterTheCurrentRoutineEmptiesTheEditor)
{
    Queue q;
    q.queue.setChecked(1, false);
    q.queue.setChecked(2, false);
    EXPECT_EQ(q.queue.fetchNext(), kRoutineA);
    EXPECT_EQ(q.queue.fetchNext(), QStringList{});
    EXPECT_EQ(q.prompter.messages(), QStringList{"Ни чего не выбранно"});
    EXPECT_EQ(q.state.curRoutine, -1);
    EXPECT_TRUE(q.state.queueExhausted);
    EXPECT_TRUE(q.state.editorHoldsOwnCode);
}

TEST(RoutineQueue, SkipFetchesTheNextRoutineForTheNextBuild)
{
    Queue q;
    EXPECT_EQ(q.queue.skip(), kRoutineA);
    EXPECT_FALSE(q.queue.listVisible());
    EXPECT_FALSE(q.state.fetchBeforeBuild);
    EXPECT_FALSE(q.state.editorHoldsOwnCode);
    EXPECT_EQ(q.queue.skip(), kRoutineB);
}

TEST(RoutineQueue, BackStepsToTheCheckedRoutineBefore)
{
    Queue q;
    q.queue.fetchNext();
    q.queue.fetchNext();
    q.queue.fetchNext();
    EXPECT_EQ(q.queue.back(), kRoutineB); // back after the third fetches the second
    EXPECT_EQ(q.state.curRoutine, 1);
    EXPECT_FALSE(q.state.fetchBeforeBuild);

    // With the routine before unchecked, back fetches the current one again.
    q.queue.setChecked(0, false);
    EXPECT_EQ(q.queue.back(), kRoutineB);
    EXPECT_TRUE(q.prompter.messages().isEmpty());
}

TEST(RoutineQueue, BackFromTheFirstRoutineFetchesItAgain)
{
    Queue q;
    q.queue.fetchNext();
    EXPECT_EQ(q.queue.back(), kRoutineA);
    EXPECT_EQ(q.state.curRoutine, 0);
}

TEST(RoutineQueue, BackBeforeAnyFetchOnlySaysSo)
{
    Queue q;
    EXPECT_EQ(q.queue.back(), std::nullopt);
    EXPECT_EQ(q.prompter.messages(), QStringList{"Нет большевыбранного !"});
    EXPECT_EQ(q.state.curRoutine, -1);
    EXPECT_TRUE(q.state.fetchBeforeBuild);
}

TEST(RoutineQueue, ListCheckAllSuspendAndResumeSetTheFlags)
{
    Queue q;
    q.queue.fetchNext();
    q.queue.fetchNext();

    q.queue.toggleList(); // list: the queue starts again, the list toggles
    EXPECT_EQ(q.state.curRoutine, -1);
    EXPECT_FALSE(q.queue.listVisible());
    EXPECT_TRUE(q.state.fetchBeforeBuild);
    EXPECT_FALSE(q.state.editorHoldsOwnCode);
    q.queue.toggleList();
    EXPECT_TRUE(q.queue.listVisible());

    q.queue.fetchNext();
    q.queue.checkAll(); // check all comes up: everything unchecked
    EXPECT_FALSE(q.queue.checkAllDown());
    for (const RoutineItem& item : q.queue.items()) EXPECT_FALSE(item.checked);
    EXPECT_EQ(q.state.curRoutine, -1);
    EXPECT_FALSE(q.state.fetchBeforeBuild);
    EXPECT_TRUE(q.state.editorHoldsOwnCode);

    q.queue.resume();
    EXPECT_TRUE(q.state.fetchBeforeBuild);
    EXPECT_FALSE(q.state.editorHoldsOwnCode);
    EXPECT_TRUE(q.queue.panelVisible());
    q.queue.pause();
    EXPECT_FALSE(q.state.fetchBeforeBuild);
    EXPECT_TRUE(q.state.editorHoldsOwnCode);
    EXPECT_FALSE(q.queue.panelVisible());
}

TEST(RoutineQueue, ASecondUnitReplacesTheFirstAndRestartsTheQueue)
{
    Queue q;
    q.queue.fetchNext();
    q.queue.fetchNext();

    const QStringList second = {"procedure Z;", "begin", "end;"};
    q.queue.openUnit(second);
    ASSERT_EQ(q.queue.items().size(), 1u);
    EXPECT_EQ(q.queue.items()[0].text, QString("procedure Z;"));
    EXPECT_FALSE(q.queue.items()[0].checked);
    EXPECT_FALSE(q.queue.checkAllDown());
    EXPECT_EQ(q.state.unitLines, second);
    EXPECT_EQ(q.state.implLine, 0);
    EXPECT_EQ(q.state.curRoutine, -1);

    q.queue.checkAll();
    EXPECT_EQ(q.queue.fetchNext(), second);
}

TEST(RoutineQueue, ACancelledOpenLeavesAnEmptyQueue)
{
    Queue q;
    q.queue.openUnit(std::nullopt);
    EXPECT_TRUE(q.queue.items().empty());
    EXPECT_EQ(q.state.unitLines, QStringList{});
    EXPECT_EQ(q.queue.fetchNext(), std::nullopt);
    EXPECT_EQ(q.prompter.messages(), QStringList{"Нет больше выбранного"});
    EXPECT_TRUE(q.state.queueExhausted);
}
