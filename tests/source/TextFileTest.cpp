// Text files as the editor saves them, and the names of routine lines.
#include <gtest/gtest.h>

#include "source/TextFile.h"
#include "source/UnitScanner.h"
#include "support/PrintTo.h"

using namespace vexoria;

TEST(TextFile, EveryLineEndsWithCrLfInTheEncodingItWasReadIn)
{
    const QStringList lines = {QStringLiteral("{ Привет }"), QString(), QStringLiteral("x := 1;")};
    EXPECT_EQ(textFileBytes(lines, TextEncoding::Windows1251),
              QByteArray("{ \xCF\xF0\xE8\xE2\xE5\xF2 }\r\n\r\nx := 1;\r\n"));
    EXPECT_EQ(textFileBytes(lines, TextEncoding::Utf8WithBom),
              QByteArray("\xEF\xBB\xBF") + QStringLiteral("{ Привет }\r\n\r\nx := 1;\r\n").toUtf8());
    EXPECT_TRUE(textFileBytes({}, TextEncoding::Utf8).isEmpty());

    for (const QByteArray& file : {QByteArray("a\r\n\xCF\r\n"), // Windows-1251
                                   QByteArray("\xFF\xFE"
                                              "a\0\r\0\n\0\x1F\x04\r\0\n\0",
                                              14)}) { // UTF-16 LE
        ASSERT_TRUE(looksLikeText(file));
        const TextFileContents read = decodeTextFile(file);
        EXPECT_EQ(read.lines, QStringList({"a", QStringLiteral("П")}));
        EXPECT_EQ(textFileBytes(read.lines, read.encoding), file);
    }
    EXPECT_FALSE(looksLikeText(QByteArray("GIF89a\0\0", 8)));
}

TEST(TextFile, TextThatWindows1251CannotHoldIsWrittenAsUtf8)
{
    TextEncoding used = TextEncoding::Windows1251;
    const QByteArray bytes = textFileBytes({QStringLiteral("writeln('→ 中');")}, TextEncoding::Windows1251, &used);
    EXPECT_EQ(used, TextEncoding::Utf8);
    EXPECT_EQ(QString::fromUtf8(bytes), QStringLiteral("writeln('→ 中');\r\n"));
}

TEST(UnitScanner, ARoutineLineIsNamedByTheIdentifierAfterItsWord)
{
    EXPECT_EQ(routineIdentifier("function TIOStream.Read(var Buffer; Count : LongInt) : Longint;"),
              QString("TIOStream.Read"));
    EXPECT_EQ(routineIdentifier("  PROCEDURE Draw;"), QString("Draw"));
    EXPECT_EQ(routineIdentifier("constructor TIOStream.Create(aIOSType : TIOSType);"), QString("TIOStream.Create"));
    EXPECT_EQ(routineIdentifier("class function TList.Create: TList;"), QString("TList.Create"));
    EXPECT_EQ(routineIdentifier("{ this procedure draws }"), QString("draws"));
    EXPECT_EQ(routineIdentifier("  x := procedures;"), QString());
    EXPECT_EQ(routineIdentifier("function"), QString());
}
