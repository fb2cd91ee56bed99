// The legend: frame and samples at the foot of the diagram, in one row or
// two depending on the image width.
#include <gtest/gtest.h>

#include "ChartBuilder.h"
#include "pipeline/Pipeline.h"

namespace vexoria::test {
namespace {

QStringList captions(const QStringList& lines)
{
    QStringList out;
    for (const QString& l : lines)
        if (l.startsWith(QStringLiteral("text "))) out << l;
    return out;
}

TEST(Legend, SevenHundredPixelsWrapBeforeRepeat)
{
    ChartBuilder c;
    c.ws.diagram.setHeight(1000);
    c.legend();
    const QStringList l = c.lines();
    ASSERT_GE(l.size(), 3);
    EXPECT_EQ(l[0], QStringLiteral("pen width=1"));
    EXPECT_EQ(l[1], QStringLiteral("rect 10,870 690,990"));
    EXPECT_EQ(l[2], QStringLiteral("roundrect 30,880 150,920 40,40"));
    EXPECT_EQ(captions(l), (QStringList{
                               "text 60,885 \"var,header\"",
                               "text 195,890 \"if,try\"",
                               "text 315,895 \"while\"",
                               "text 420,885 \"case\"",
                               "text 495,890 \"goto,label\"",
                               "text 600,895 \"for\"",
                               "text 70,945 \"repeat\"",
                               "text 165,955 \"else\"",
                               "text 225,950 \"begin,procces\"",
                               "text 225,965 \"except\"",
                               "text 340,945 \"whis\"",
                               "text 395,960 \"until\"",
                               "text 475,945 \"END SHEMA\"",
                               "text 575,950 \"break,exit\"",
                           }));
    // Some sample shapes, at their offsets.
    EXPECT_TRUE(l.contains(QStringLiteral("polygon 160,900 210,880 260,900 210,920")));
    EXPECT_TRUE(l.contains(QStringLiteral("polygon 40,940 140,940 90,980")));
    EXPECT_TRUE(l.contains(QStringLiteral("rect 220,940 295,980")));
    EXPECT_TRUE(l.contains(QStringLiteral("polygon 310,975 335,940 385,940 360,975")));
    EXPECT_TRUE(l.contains(QStringLiteral("polygon 570,940 615,940 640,960 615,980 570,980")));
}

TEST(Legend, WiderImagesKeepOneRow)
{
    ChartBuilder c;
    c.ws.diagram.setHeight(1000);
    c.ws.diagram.setWidth(751);
    c.legend();
    const QStringList t = captions(c.lines());
    ASSERT_EQ(t.size(), 14);
    EXPECT_EQ(t.mid(6), (QStringList{
                            "text 680,885 \"repeat\"",
                            "text 775,895 \"else\"",
                            "text 835,890 \"begin,procces\"",
                            "text 835,905 \"except\"",
                            "text 950,885 \"whis\"",
                            "text 1005,900 \"until\"",
                            "text 1085,885 \"END SHEMA\"",
                            "text 1185,890 \"break,exit\"",
                        }));
}

} // namespace
} // namespace vexoria::test
