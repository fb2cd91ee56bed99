#include <gtest/gtest.h>

#include "platform/text/TextCodec.h"
#include "support/PrintTo.h"

using namespace vexoria;

TEST(TextCodec, ReadsUtf8AndDropsTheByteOrderMark)
{
    const QByteArray bytes = "\xEF\xBB\xBF"
                             "x := '\xD0\x9F\xD1\x80\xD0\xB8';";
    EXPECT_EQ(decodeCodeText(bytes), QStringLiteral("x := 'При';"));
}

TEST(TextCodec, ReadsWindows1251WhenTheBytesAreNotUtf8)
{
    const QByteArray bytes = "{ \xCF\xF0\xE8\xE2\xE5\xF2 \xB8 }"; // "Привет ё" in Windows-1251
    EXPECT_EQ(decodeCodeText(bytes), QStringLiteral("{ Привет ё }"));
    EXPECT_EQ(encodeWindows1251(QStringLiteral("Привет ё")), QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2 \xB8"));
}

TEST(TextCodec, MakesEveryLineBreakCrLfAndKeepsAFinalOne)
{
    EXPECT_EQ(toCrLf("a\nb\r\nc\rd"), QString("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(toCrLf("a\n"), QString("a\r\n"));
    EXPECT_EQ(toCrLf("a"), QString("a"));
    EXPECT_EQ(toCrLf(""), QString(""));
    EXPECT_EQ(toCrLf("\r\n\r\n"), QString("\r\n\r\n"));
}

// Windows editors save "Unicode" text as UTF-16 with a byte-order mark.
TEST(TextCodec, ReadsUtf16WithItsByteOrderMarkInEitherOrder)
{
    const QString text = QStringLiteral("begin\r\n  s := 'Привет';\r\nend;");
    QByteArray le("\xFF\xFE", 2);
    QByteArray be("\xFE\xFF", 2);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        le.append(static_cast<char>(u & 0xFF)).append(static_cast<char>(u >> 8));
        be.append(static_cast<char>(u >> 8)).append(static_cast<char>(u & 0xFF));
    }
    EXPECT_EQ(decodeCodeText(le), text);
    EXPECT_EQ(decodeCodeText(be), text);
}

TEST(TextCodec, TheClassifiersTextEndsEveryLineTheLastOneToo)
{
    EXPECT_EQ(classifierText("x := 1;"), QString("x := 1;\r\n"));
    EXPECT_EQ(classifierText("a\nb"), QString("a\r\nb\r\n"));
    EXPECT_EQ(classifierText("a\r"), QString("a\r\n"));
    EXPECT_EQ(classifierText("a\r\n"), QString("a\r\n"));
    EXPECT_EQ(classifierText(""), QString(""));
}
