#include <gtest/gtest.h>

#include "tables/StatementTable.h"
#include "platform/records/RecordList.h"
#include "support/PrintTo.h"

using namespace vexoria;

namespace {
StatementTable tableOf(std::initializer_list<int> ns)
{
    StatementTable t;
    t.open();
    for (int n : ns) {
        StatementRow r;
        r.n = n;
        t.append(r);
    }
    return t;
}
int curN(const StatementTable& t) { return val(t.current().n); }
} // namespace

TEST(RecordList, WalksForwardAndBackRaisingEofAndBofAtTheEnds)
{
    StatementTable t = tableOf({1, 2, 3});
    t.first();
    EXPECT_TRUE(t.bof());
    EXPECT_FALSE(t.eof());
    t.next();
    t.next();
    EXPECT_EQ(curN(t), 3);
    EXPECT_FALSE(t.eof());
    t.next(); // past the last row: the cursor stays
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(curN(t), 3);
    t.last();
    EXPECT_TRUE(t.eof());
    t.prior();
    EXPECT_EQ(curN(t), 2);
    t.first();
    t.prior();
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(curN(t), 1);
}

TEST(RecordList, EmptyTableIsAtBothEnds)
{
    StatementTable t;
    t.open();
    t.first();
    EXPECT_TRUE(t.eof());
    EXPECT_TRUE(t.bof());
    t.next();
    t.prior();
    t.remove(); // nothing to delete
    EXPECT_TRUE(t.isEmpty());
}

TEST(RecordList, DeleteMovesToTheFollowingRowOrThePreviousAtTheEnd)
{
    StatementTable t = tableOf({1, 2, 3});
    t.setPosition(1);
    t.remove();
    EXPECT_EQ(curN(t), 3);
    t.remove(); // the last row: the cursor goes back
    EXPECT_EQ(curN(t), 1);
    t.remove();
    EXPECT_TRUE(t.isEmpty());
    EXPECT_TRUE(t.eof());
}

TEST(RecordList, FailedLocateLeavesTheCursor)
{
    StatementTable t = tableOf({1, 2, 3});
    t.setPosition(2);
    EXPECT_FALSE(t.locate([](const StatementRow& r) { return val(r.n) == 7; }));
    EXPECT_EQ(curN(t), 3);
    EXPECT_TRUE(t.locate([](const StatementRow& r) { return val(r.n) == 2; }));
    EXPECT_EQ(curN(t), 2);
}

TEST(RecordList, LocateOnTwoFieldsIsExactAndCaseSensitive)
{
    StatementTable t;
    StatementRow a;
    a.closedKind = "While";
    a.link = 4;
    StatementRow b;
    b.closedKind = "while";
    b.link = 4;
    t.append(a);
    t.append(b);
    t.first();
    ASSERT_TRUE(t.locate([](const StatementRow& r) { return r.closedKind == "while" && val(r.link) == 4; }));
    EXPECT_EQ(t.position(), 1);
}

TEST(RecordList, SortPutsUnsetFirstComparesTextWithoutCaseAndKeepsTheCursor)
{
    StatementTable t;
    const char* texts[] = {"beta", "Alpha", nullptr, "gamma", "ALPHA"};
    int i = 0;
    for (const char* s : texts) {
        StatementRow r;
        r.n = ++i;
        if (s) r.text = s;
        t.append(r);
    }
    t.setPosition(3); // "gamma"
    t.sortBy([](const StatementRow& r) { return r.text.opt(); });
    EXPECT_FALSE(t.at(0).text.isSet());
    EXPECT_EQ(t.at(1).text.str().toLower(), "alpha");
    EXPECT_EQ(t.at(2).text.str().toLower(), "alpha");
    EXPECT_EQ(t.at(3).text.str(), "beta");
    EXPECT_EQ(t.at(4).text.str(), "gamma");
    EXPECT_EQ(t.current().text.str(), "gamma");
}

TEST(RecordList, SortOnNumbersPutsUnsetBeforeNegatives)
{
    StatementTable t;
    for (std::optional<int> v :
         {std::optional<int>(3), std::optional<int>(), std::optional<int>(-2), std::optional<int>(0)}) {
        StatementRow r;
        r.kindIndex = v;
        t.append(r);
    }
    t.sortBy([](const StatementRow& r) { return r.kindIndex; });
    EXPECT_FALSE(t.at(0).kindIndex.has_value());
    EXPECT_EQ(val(t.at(1).kindIndex), -2);
    EXPECT_EQ(val(t.at(2).kindIndex), 0);
    EXPECT_EQ(val(t.at(3).kindIndex), 3);
}

TEST(RecordList, InsertPutsTheRowBeforeTheCurrentOne)
{
    StatementTable t = tableOf({1, 2, 3});
    t.setPosition(1);
    StatementRow r;
    r.n = 9;
    t.insert(r);
    EXPECT_EQ(curN(t), 9);
    EXPECT_EQ(val(t.at(1).n), 9);
    EXPECT_EQ(val(t.at(2).n), 2);
}

TEST(RecordList, CloseDiscardsEveryRow)
{
    StatementTable t = tableOf({1, 2});
    t.close();
    EXPECT_TRUE(t.isEmpty());
    EXPECT_FALSE(t.isOpen());
    t.open();
    EXPECT_TRUE(t.isEmpty());
}

TEST(TableFields, UnsetFieldsReadAsZeroFalseAndEmpty)
{
    StatementRow r;
    EXPECT_EQ(val(r.stretchX), 0);
    EXPECT_FALSE(val(r.opensBlock));
    EXPECT_EQ(r.text.str(), QString());
    EXPECT_FALSE(r.text.isSet());
    r.text = "";
    EXPECT_TRUE(r.text.isSet()); // an empty text is set, not unset
}

TEST(TableFields, TextsAreCutToTheFieldWidth)
{
    StatementRow r;
    r.kind = "abcdefghijklmnop";
    EXPECT_EQ(r.kind.str(), "abcdefghij");
    r.comment = QString(300, u'ж');
    EXPECT_EQ(r.comment.str().size(), 120);
    r.text = QString(199, u'a');
    r.text += "bcd";
    EXPECT_EQ(r.text.str().size(), 200);
    EXPECT_TRUE(r.text.str().endsWith(u'b'));
}
