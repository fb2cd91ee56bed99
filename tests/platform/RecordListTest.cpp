#include <gtest/gtest.h>

#include "analysis/Tstrok.h"
#include "platform/core/RecordList.h"
#include "support/PrintTo.h"

using namespace vexoria;

namespace {
Tstrok tableOf(std::initializer_list<int> ns)
{
    Tstrok t;
    t.open();
    for (int n : ns) {
        StrokRow r;
        r.n = n;
        t.append(r);
    }
    return t;
}
int curN(const Tstrok& t) { return val(t.current().n); }
} // namespace

TEST(RecordList, WalksForwardAndBackRaisingEofAndBofAtTheEnds)
{
    Tstrok t = tableOf({1, 2, 3});
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
    Tstrok t;
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
    Tstrok t = tableOf({1, 2, 3});
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
    Tstrok t = tableOf({1, 2, 3});
    t.setPosition(2);
    EXPECT_FALSE(t.locate([](const StrokRow& r) { return val(r.n) == 7; }));
    EXPECT_EQ(curN(t), 3);
    EXPECT_TRUE(t.locate([](const StrokRow& r) { return val(r.n) == 2; }));
    EXPECT_EQ(curN(t), 2);
}

TEST(RecordList, LocateOnTwoFieldsIsExactAndCaseSensitive)
{
    Tstrok t;
    StrokRow a;
    a.endobiect = "While";
    a.no = 4;
    StrokRow b;
    b.endobiect = "while";
    b.no = 4;
    t.append(a);
    t.append(b);
    t.first();
    ASSERT_TRUE(t.locate([](const StrokRow& r) { return r.endobiect == "while" && val(r.no) == 4; }));
    EXPECT_EQ(t.position(), 1);
}

TEST(RecordList, SortPutsUnsetFirstComparesTextWithoutCaseAndKeepsTheCursor)
{
    Tstrok t;
    const char* texts[] = {"beta", "Alpha", nullptr, "gamma", "ALPHA"};
    int i = 0;
    for (const char* s : texts) {
        StrokRow r;
        r.n = ++i;
        if (s) r.stroka = s;
        t.append(r);
    }
    t.setPosition(3); // "gamma"
    t.sortBy([](const StrokRow& r) { return r.stroka.opt(); });
    EXPECT_FALSE(t.at(0).stroka.isSet());
    EXPECT_EQ(t.at(1).stroka.str().toLower(), "alpha");
    EXPECT_EQ(t.at(2).stroka.str().toLower(), "alpha");
    EXPECT_EQ(t.at(3).stroka.str(), "beta");
    EXPECT_EQ(t.at(4).stroka.str(), "gamma");
    EXPECT_EQ(t.current().stroka.str(), "gamma");
}

TEST(RecordList, SortOnNumbersPutsUnsetBeforeNegatives)
{
    Tstrok t;
    for (std::optional<int> v : {std::optional<int>(3), std::optional<int>(), std::optional<int>(-2), std::optional<int>(0)}) {
        StrokRow r;
        r.filtr = v;
        t.append(r);
    }
    t.sortBy([](const StrokRow& r) { return r.filtr; });
    EXPECT_FALSE(t.at(0).filtr.has_value());
    EXPECT_EQ(val(t.at(1).filtr), -2);
    EXPECT_EQ(val(t.at(2).filtr), 0);
    EXPECT_EQ(val(t.at(3).filtr), 3);
}

TEST(RecordList, InsertPutsTheRowBeforeTheCurrentOne)
{
    Tstrok t = tableOf({1, 2, 3});
    t.setPosition(1);
    StrokRow r;
    r.n = 9;
    t.insert(r);
    EXPECT_EQ(curN(t), 9);
    EXPECT_EQ(val(t.at(1).n), 9);
    EXPECT_EQ(val(t.at(2).n), 2);
}

TEST(RecordList, CloseDiscardsEveryRow)
{
    Tstrok t = tableOf({1, 2});
    t.close();
    EXPECT_TRUE(t.isEmpty());
    EXPECT_FALSE(t.isOpen());
    t.open();
    EXPECT_TRUE(t.isEmpty());
}

TEST(TableFields, UnsetFieldsReadAsZeroFalseAndEmpty)
{
    StrokRow r;
    EXPECT_EQ(val(r.plx), 0);
    EXPECT_FALSE(val(r.uslovie));
    EXPECT_EQ(r.stroka.str(), QString());
    EXPECT_FALSE(r.stroka.isSet());
    r.stroka = "";
    EXPECT_TRUE(r.stroka.isSet()); // an empty text is set, not unset
}

TEST(TableFields, TextsAreCutToTheFieldWidth)
{
    StrokRow r;
    r.obiect = "abcdefghijklmnop";
    EXPECT_EQ(r.obiect.str(), "abcdefghij");
    r.comment = QString(300, u'ж');
    EXPECT_EQ(r.comment.str().size(), 120);
    r.stroka = QString(199, u'a');
    r.stroka += "bcd";
    EXPECT_EQ(r.stroka.str().size(), 200);
    EXPECT_TRUE(r.stroka.str().endsWith(u'b'));
}
