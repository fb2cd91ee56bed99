// shema.ini written for real into a temporary folder and read back.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/settings/SettingsFile.h"
#include "platform/text/TextCodec.h"
#include "support/PrintTo.h"

using namespace vexoria;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class SettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath("shema.ini"); }
};

} // namespace

TEST_F(SettingsFileTest, AFirstSaveWritesTheSectionAndAll29KeysInOrderWithCrLf)
{
    ASSERT_TRUE(saveSettingsFile(path(), Settings{}));
    const QByteArray expected = "[myform]\r\n"
                                "myformtop=100\r\nmyformleft=101\r\n"
                                "opendialog1.InitialDir=\r\nopendialog2.InitialDir=\r\nopd.InitialDir=\r\n"
                                "savedialog1.InitialDir=\r\nspd.InitialDir=\r\n"
                                "radiobutton1=0\r\nradiobutton2=1\r\n"
                                "checkbox1=0\r\ncbcvet=1\r\ncboch=1\r\ncbotl=0\r\ncbprint=0\r\ncbdobkom=1\r\n"
                                "cbpredkom=0\r\ncblegend=0\r\ncbraz=1\r\ncbpod=1\r\ncbanime=1\r\n"
                                "evar=260\r\neif=200\r\nefor=200\r\newhile=250\r\neelse=260\r\nebeg=260\r\n"
                                "edlin=5500\r\nesoed=20\r\neani=100\r\n";
    EXPECT_EQ(readBytes(path()), expected);
    EXPECT_EQ(expected.count('\n'), 30); // the header and 29 keys
}

TEST_F(SettingsFileTest, FoldersAndCyrillicTextsAreWrittenRawAndReadBack)
{
    Settings s;
    s.unitFolder = QStringLiteral("C:\\Program Files\\x");
    s.pictureSaveFolder = QStringLiteral("D:\\Схемы\\2024\\");
    s.pictureOpenFolder = QStringLiteral("/home/user/my pictures");
    s.beginTextWidth = QStringLiteral("три сотни");
    s.animationIntervalMs = QStringLiteral(" 75");
    s.windowTop = -8;
    s.windowLeft = 1930;
    s.colourMode = false;
    s.addLegend = true;
    ASSERT_TRUE(saveSettingsFile(path(), s));

    const QByteArray bytes = readBytes(path());
    EXPECT_TRUE(bytes.contains("opendialog1.InitialDir=C:\\Program Files\\x\r\n"));
    EXPECT_TRUE(bytes.contains(QStringLiteral("spd.InitialDir=D:\\Схемы\\2024\\\r\n").toUtf8()));
    EXPECT_TRUE(bytes.contains(QStringLiteral("ebeg=три сотни\r\n").toUtf8()));
    EXPECT_FALSE(bytes.contains('"'));

    Settings back;
    ASSERT_TRUE(loadSettingsFile(path(), back));
    EXPECT_EQ(back.unitFolder, s.unitFolder);
    EXPECT_EQ(back.pictureSaveFolder, s.pictureSaveFolder);
    EXPECT_EQ(back.pictureOpenFolder, s.pictureOpenFolder);
    EXPECT_EQ(back.beginTextWidth, s.beginTextWidth);
    EXPECT_EQ(back.animationIntervalMs, QStringLiteral("75")); // blanks around a value are not kept
    EXPECT_EQ(back.windowTop, -8);
    EXPECT_EQ(back.windowLeft, 1930);
    EXPECT_FALSE(back.colourMode);
    EXPECT_TRUE(back.addLegend);
}

TEST_F(SettingsFileTest, AWindows1251FileWithCommentsAndOtherSectionsIsRead)
{
    const QString text = QStringLiteral("; настройки схемы\r\n"
                                        "[other]\r\n"
                                        "ebeg=999\r\n"
                                        "\r\n"
                                        "[MyForm]\r\n"
                                        "# comment = not a key\r\n"
                                        "  MyFormTop = 240 \r\n"
                                        "EBEG=310\r\n"
                                        "opendialog2.initialdir = C:\\Паскаль\\Модули\r\n"
                                        "cbcvet=0\r\n"
                                        "cbpredkom = 1\r\n"
                                        "ebeg=111\r\n"
                                        "[tail]\r\n"
                                        "eani=5\r\n");
    writeBytes(path(), encodeWindows1251(text));

    Settings s;
    ASSERT_TRUE(loadSettingsFile(path(), s));
    EXPECT_EQ(s.windowTop, 240);
    EXPECT_EQ(s.beginTextWidth, QStringLiteral("310")); // the first of two keys counts, not other sections'
    EXPECT_EQ(s.textOpenFolder, QStringLiteral("C:\\Паскаль\\Модули"));
    EXPECT_FALSE(s.colourMode);
    EXPECT_TRUE(s.reviewCommentsFirst);
    EXPECT_EQ(s.animationIntervalMs, QStringLiteral("100"));
    EXPECT_EQ(s.windowLeft, 101);
}

TEST_F(SettingsFileTest, LfLineEndsAndAUtf8ByteOrderMarkAreRead)
{
    writeBytes(path(), "\xEF\xBB\xBF[myform]\nevar=280\nesoed=25");
    Settings s;
    ASSERT_TRUE(loadSettingsFile(path(), s));
    EXPECT_EQ(s.varTextWidth, QStringLiteral("280"));
    EXPECT_EQ(s.laneSpacing, QStringLiteral("25")); // a last line without a line break
}

TEST_F(SettingsFileTest, AMissingFileOrKeyOrABadNumberLeavesTheValue)
{
    Settings s;
    s.beginTextWidth = QStringLiteral("321");
    s.windowTop = 7;
    EXPECT_FALSE(loadSettingsFile(dir.filePath("none.ini"), s));
    EXPECT_EQ(s.beginTextWidth, QStringLiteral("321"));

    writeBytes(path(), "[myform]\r\nmyformtop=abc\r\nmyformleft=12x\r\ncbcvet=yes\r\ncboch=\r\nebeg=\r\n");
    ASSERT_TRUE(loadSettingsFile(path(), s));
    EXPECT_EQ(s.windowTop, 7);
    EXPECT_EQ(s.windowLeft, 101);
    EXPECT_TRUE(s.colourMode);
    EXPECT_TRUE(s.clearPictureInTray);
    EXPECT_EQ(s.beginTextWidth, QString()); // an empty text is a value
    EXPECT_EQ(s.animationIntervalMs, QStringLiteral("100"));

    writeBytes(path(), QByteArray("\0\0\xFF\xFE garbage", 12));
    Settings untouched;
    EXPECT_TRUE(loadSettingsFile(path(), untouched));
    EXPECT_EQ(untouched.varTextWidth, Settings{}.varTextWidth);
}

TEST_F(SettingsFileTest, AnyNonZeroIntegerReadsAsTrue)
{
    writeBytes(path(), "[myform]\r\ncbcvet=0\r\ncheckbox1=2\r\ncbprint=-1\r\ncblegend=$10\r\ncbotl=0x0\r\n");
    Settings s;
    ASSERT_TRUE(loadSettingsFile(path(), s));
    EXPECT_FALSE(s.colourMode);
    EXPECT_TRUE(s.startInTray);
    EXPECT_TRUE(s.choosePrinter);
    EXPECT_TRUE(s.addLegend);
    EXPECT_FALSE(s.debugMode);
}

TEST_F(SettingsFileTest, TheRadioButtonReadLastAsTrueStaysSelected)
{
    struct Case {
        const char* keys;
        bool rb1;
        bool rb2;
    };
    const Case cases[] = {
        {"radiobutton1=1\r\nradiobutton2=1\r\n", false, true},
        {"radiobutton2=1\r\nradiobutton1=1\r\n", false, true}, // read in the program's order, not the file's
        {"radiobutton1=1\r\nradiobutton2=0\r\n", true, false},
        {"radiobutton1=1\r\n", true, false},
        {"radiobutton1=0\r\nradiobutton2=0\r\n", false, false},
        {"radiobutton2=0\r\n", false, false},
        {"", false, true},
    };
    for (const Case& c : cases) {
        writeBytes(path(), QByteArray("[myform]\r\n") + c.keys);
        Settings s;
        ASSERT_TRUE(loadSettingsFile(path(), s));
        EXPECT_EQ(s.queueBuildsAtOnce, c.rb1) << c.keys;
        EXPECT_EQ(s.queuePreviews, c.rb2) << c.keys;
    }
}

TEST_F(SettingsFileTest, SavingOverAnOldFileKeepsItsOtherLines)
{
    writeBytes(path(), encodeWindows1251(QStringLiteral(
                           "; старый файл\r\n[myform]\r\nEBEG=1\r\nextra=keep me\r\n\r\n[other]\r\nx=1\r\n")));
    Settings s;
    s.beginTextWidth = QStringLiteral("333");
    ASSERT_TRUE(saveSettingsFile(path(), s));
    const QString text = decodeCodeText(readBytes(path()));
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("; старый файл\r\n[myform]\r\nebeg=333\r\nextra=keep me\r\nmyformtop=100\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("eani=100\r\n\r\n[other]\r\nx=1\r\n")));
    EXPECT_EQ(text.count(QStringLiteral("ebeg=")), 1);

    Settings back;
    ASSERT_TRUE(loadSettingsFile(path(), back));
    EXPECT_EQ(back.beginTextWidth, QStringLiteral("333"));
}

TEST_F(SettingsFileTest, AFileThatCannotBeWrittenIsReported)
{
    EXPECT_FALSE(saveSettingsFile(dir.filePath("no/such/folder/shema.ini"), Settings{}));
}

TEST(SettingsFileLocation, TheFileLivesBesideTheProgramWhereThatFolderCanBeWritten)
{
    // The tests run from the build folder, which can be written.
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("shema.ini"));
    EXPECT_EQ(settingsWritePath(), beside);
    EXPECT_EQ(settingsReadPath(), beside);
}
