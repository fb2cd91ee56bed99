#include <gtest/gtest.h>

#include "source/RoutineQueue.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

using namespace vexoria;
using test::ScriptedPrompter;

namespace {

const QStringList kUnit = {
    "unit Three;",    "implementation",
    "procedure A;",   "begin", "  a := 1;", "end;",
    "procedure B;",   "begin", "  b := 2;", "end;",
    "  procedure C;", "  begin", "    c := 3;", "  end;",
    "end.",
};

const QStringList kRoutineA = {"procedure A;", "begin", "  a := 1;", "end;"};
const QStringList kRoutineB = {"procedure B;", "begin", "  b := 2;", "end;"};
const QStringList kRoutineC = {"  procedure C;", "  begin", "    c := 3;", "  end;"};

struct Queue {
    BuildContext ctx;
    ScriptedPrompter prompter;
    RoutineQueue queue{ctx, prompter};

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
    BuildContext ctx;
    ScriptedPrompter prompter;
    RoutineQueue queue(ctx, prompter);
    queue.openUnit(kUnit);

    ASSERT_EQ(queue.items().size(), 3u);
    EXPECT_EQ(queue.items()[2].text, QString("  procedure C;"));
    EXPECT_FALSE(queue.items()[0].checked);
    EXPECT_EQ(ctx.implLine, 1);
    EXPECT_EQ(ctx.unitLines, kUnit);
    EXPECT_EQ(ctx.curRoutine, -1);
    EXPECT_EQ(ctx.fetchBeforeBuild, 1);
    EXPECT_EQ(ctx.editorHoldsOwnCode, 0);
    EXPECT_TRUE(queue.listVisible());
    EXPECT_TRUE(queue.panelVisible());
}

TEST(RoutineQueue, FetchesEveryCheckedRoutineInTurnThenEnds)
{
    Queue q;
    EXPECT_EQ(q.queue.fetchNext(), kRoutineA);
    EXPECT_EQ(q.ctx.curRoutine, 0);
    EXPECT_EQ(q.queue.fetchNext(), kRoutineB);
    EXPECT_EQ(q.queue.fetchNext(), kRoutineC); // the indented last one, without "end."
    EXPECT_EQ(q.ctx.queueExhausted, 0);

    q.ctx.fetchBeforeBuild = 1;
    EXPECT_EQ(q.queue.fetchNext(), std::nullopt); // the editor keeps routine C
    EXPECT_EQ(q.prompter.messages(), QStringList{"Нет больше выбранного"});
    EXPECT_EQ(q.ctx.fetchBeforeBuild, 0);
    EXPECT_EQ(q.ctx.editorHoldsOwnCode, 1);
    EXPECT_EQ(q.ctx.curRoutine, -1);
    EXPECT_EQ(q.ctx.queueExhausted, 1);

    // The next fetch starts again from the first routine.
    EXPECT_EQ(q.queue.fetchNext(), kRoutineA);
    EXPECT_EQ(q.ctx.queueExhausted, 0);
}

TEST(RoutineQueue, NothingCheckedAfterTheCurrentRoutineEmptiesTheEditor)
{
    Queue q;
    q.queue.setChecked(1, false);
    q.queue.setChecked(2, false);
    EXPECT_EQ(q.queue.fetchNext(), kRoutineA);
    EXPECT_EQ(q.queue.fetchNext(), QStringList{});
    EXPECT_EQ(q.prompter.messages(), QStringList{"Ни чего не выбранно"});
    EXPECT_EQ(q.ctx.curRoutine, -1);
    EXPECT_EQ(q.ctx.queueExhausted, 1);
    EXPECT_EQ(q.ctx.editorHoldsOwnCode, 1);
}

TEST(RoutineQueue, SkipFetchesTheNextRoutineForTheNextBuild)
{
    Queue q;
    EXPECT_EQ(q.queue.skip(), kRoutineA);
    EXPECT_FALSE(q.queue.listVisible());
    EXPECT_EQ(q.ctx.fetchBeforeBuild, 0);
    EXPECT_EQ(q.ctx.editorHoldsOwnCode, 0);
    EXPECT_EQ(q.queue.skip(), kRoutineB);
}

TEST(RoutineQueue, BackStepsToTheCheckedRoutineBefore)
{
    Queue q;
    q.queue.fetchNext();
    q.queue.fetchNext();
    q.queue.fetchNext();
    EXPECT_EQ(q.queue.back(), kRoutineB); // back after the third fetches the second
    EXPECT_EQ(q.ctx.curRoutine, 1);
    EXPECT_EQ(q.ctx.fetchBeforeBuild, 0);

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
    EXPECT_EQ(q.ctx.curRoutine, 0);
}

TEST(RoutineQueue, BackBeforeAnyFetchOnlySaysSo)
{
    Queue q;
    EXPECT_EQ(q.queue.back(), std::nullopt);
    EXPECT_EQ(q.prompter.messages(), QStringList{"Нет большевыбранного !"});
    EXPECT_EQ(q.ctx.curRoutine, -1);
    EXPECT_EQ(q.ctx.fetchBeforeBuild, 1);
}

TEST(RoutineQueue, ListCheckAllSuspendAndResumeSetTheFlags)
{
    Queue q;
    q.queue.fetchNext();
    q.queue.fetchNext();

    q.queue.toggleList(); // list: the queue starts again, the list toggles
    EXPECT_EQ(q.ctx.curRoutine, -1);
    EXPECT_FALSE(q.queue.listVisible());
    EXPECT_EQ(q.ctx.fetchBeforeBuild, 1);
    EXPECT_EQ(q.ctx.editorHoldsOwnCode, 0);
    q.queue.toggleList();
    EXPECT_TRUE(q.queue.listVisible());

    q.queue.fetchNext();
    q.queue.checkAll(); // check all comes up: everything unchecked
    EXPECT_FALSE(q.queue.checkAllDown());
    for (const RoutineItem& item : q.queue.items()) EXPECT_FALSE(item.checked);
    EXPECT_EQ(q.ctx.curRoutine, -1);
    EXPECT_EQ(q.ctx.fetchBeforeBuild, 0);
    EXPECT_EQ(q.ctx.editorHoldsOwnCode, 1);

    q.queue.resume();
    EXPECT_EQ(q.ctx.fetchBeforeBuild, 1);
    EXPECT_EQ(q.ctx.editorHoldsOwnCode, 0);
    EXPECT_TRUE(q.queue.panelVisible());
    q.queue.pause();
    EXPECT_EQ(q.ctx.fetchBeforeBuild, 0);
    EXPECT_EQ(q.ctx.editorHoldsOwnCode, 1);
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
    EXPECT_EQ(q.ctx.unitLines, second);
    EXPECT_EQ(q.ctx.implLine, 0);
    EXPECT_EQ(q.ctx.curRoutine, -1);

    q.queue.checkAll();
    EXPECT_EQ(q.queue.fetchNext(), second);
}

TEST(RoutineQueue, ACancelledOpenLeavesAnEmptyQueue)
{
    Queue q;
    q.queue.openUnit(std::nullopt);
    EXPECT_TRUE(q.queue.items().empty());
    EXPECT_EQ(q.ctx.unitLines, QStringList{});
    EXPECT_EQ(q.queue.fetchNext(), std::nullopt);
    EXPECT_EQ(q.prompter.messages(), QStringList{"Нет больше выбранного"});
    EXPECT_EQ(q.ctx.queueExhausted, 1);
}
