// The INI reader and writer on their own: the rules of Windows' profile
// functions that shema.ini relies on.
#include <gtest/gtest.h>

#include "platform/settings/IniFile.h"
#include "support/PrintTo.h"

using namespace vexoria;

TEST(IniFile, ValuesLoseBlanksAndOnePairOfQuotes)
{
    const IniFile ini = IniFile::fromText("[s]\nA = \"x y\" \nb='z'\nc=\"open\nd= a=b \n=lost\n");
    EXPECT_EQ(ini.value("S", "a"), QString("x y"));
    EXPECT_EQ(ini.value("s", "B"), QString("z"));
    EXPECT_EQ(ini.value("s", "c"), QString("\"open"));
    EXPECT_EQ(ini.value("s", "d"), QString("a=b"));
    EXPECT_EQ(ini.value("s", ""), std::nullopt);
    EXPECT_EQ(ini.value("t", "a"), std::nullopt);
}

TEST(IniFile, AKeyOutsideAnySectionOrInAnotherSectionIsNotFound)
{
    const IniFile ini = IniFile::fromText("k=0\r[a]\rk=1\r[b]\r\nk=2\r\n[a]\nk=3\n");
    EXPECT_EQ(ini.value("a", "k"), QString("1"));
    EXPECT_EQ(ini.value("b", "k"), QString("2"));
}

TEST(IniFile, WritingReplacesTheLineOrAddsAfterTheSectionsLastEntry)
{
    IniFile ini = IniFile::fromText("[a]\r\nK=1\r\n\r\n[b]\r\n");
    ini.setValue("A", "k", "2");
    ini.setValue("a", "new", "v");
    ini.setValue("c", "z", "line\nbreak");
    EXPECT_EQ(ini.toText(), QString("[a]\r\nk=2\r\nnew=v\r\n\r\n[b]\r\n[c]\r\nz=line break\r\n"));
}

TEST(IniFile, IntegersAsWindowsReadsThem)
{
    EXPECT_EQ(parseIniInteger(" 42 "), 42);
    EXPECT_EQ(parseIniInteger("-7"), -7);
    EXPECT_EQ(parseIniInteger("$1F"), 31);
    EXPECT_EQ(parseIniInteger("0x10"), 16);
    EXPECT_EQ(parseIniInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseIniInteger("2147483648"), std::nullopt);
    EXPECT_EQ(parseIniInteger("1.5"), std::nullopt);
    EXPECT_EQ(parseIniInteger("١٢"), std::nullopt); // digits of another script
    EXPECT_EQ(parseIniInteger(""), std::nullopt);
    EXPECT_EQ(parseIniInteger("-"), std::nullopt);
}
