#include <gtest/gtest.h>

#include "tables/ShapeTemplates.h"
#include "support/PrintTo.h"

using namespace vexoria;

TEST(TemplateTable, HoldsNineteenKindsInNumberOrder)
{
    ShapeTemplateTable t;
    fillTemplates(t);
    ASSERT_EQ(t.size(), 19);
    const char* kinds[] = {"var",     "if",    "while", "case",  "goto",    "for",       "repeat",
                           "else",    "begin", "with",  "until", "procces", "end shema", "header",
                           "mylabel", "break", "exit",  "try",   "except"};
    for (int i = 0; i < 19; ++i) {
        EXPECT_EQ(val(t.at(i).n), i + 1);
        EXPECT_EQ(t.at(i).kind.str(), QString::fromUtf8(kinds[i]));
    }
}

TEST(TemplateTable, PointsAndTerminatorsOfSampleKinds)
{
    ShapeTemplateTable t;
    fillTemplates(t);
    ASSERT_TRUE(locateTemplate(t, "while"));
    const ShapeTemplate& w = t.current();
    EXPECT_EQ(w.headEnd.str(), "do");
    EXPECT_EQ((std::vector<int>{val(w.x1), val(w.y1), val(w.x2), val(w.y2), val(w.x3), val(w.y3), val(w.x4), val(w.y4),
                                val(w.x5), val(w.y5), val(w.x6), val(w.y6)}),
              (std::vector<int>{50, 40, 75, 20, 150, 20, 175, 40, 150, 60, 75, 60}));
    ASSERT_TRUE(locateTemplate(t, "for"));
    EXPECT_EQ(val(t.current().y2), 30);
    EXPECT_EQ(val(t.current().y4), 70);
    ASSERT_TRUE(locateTemplate(t, "mylabel"));
    EXPECT_EQ(t.current().headEnd.str(), ":");
    ASSERT_TRUE(locateTemplate(t, "procces"));
    EXPECT_EQ(val(t.current().x3), 20);
    EXPECT_EQ(val(t.current().y3), 0);
    // Every field of every row is set, zeros included.
    for (const ShapeTemplate& r : t.rows()) {
        EXPECT_TRUE(r.x6.has_value() && r.y6.has_value() && r.headEnd.isSet());
    }
}

TEST(TemplateTable, LookupIsExactAndAFailedOneKeepsTheCurrentRow)
{
    ShapeTemplateTable t;
    fillTemplates(t);
    ASSERT_TRUE(locateTemplate(t, "case"));
    for (const char* miss : {"End", "IF", "end", "", "casex", "cas"}) {
        EXPECT_FALSE(locateTemplate(t, QString::fromUtf8(miss))) << miss;
        EXPECT_EQ(t.current().kind.str(), "case");
    }
    EXPECT_TRUE(locateTemplate(t, "end shema"));
}
