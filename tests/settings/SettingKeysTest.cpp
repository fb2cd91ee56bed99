// The key table of shema.ini: the file is read and written by it, so a key
// spelled twice, a member held by two keys or a starting value the file would
// write differently would change what users' files hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "platform/settings/SettingKeys.h"
#include "support/PrintTo.h"

using namespace vexoria;

TEST(SettingKeys, EveryKeyAndEveryMemberIsThereOnce)
{
    std::set<QString> names;
    // Member pointers have no order: kept in lists.
    std::vector<int Settings::*> integers;
    std::vector<bool Settings::*> flags;
    std::vector<QString Settings::*> texts;
    const auto once = [](auto& seen, auto member) {
        if (std::find(seen.begin(), seen.end(), member) != seen.end()) return false;
        seen.push_back(member);
        return true;
    };
    for (const SettingKey& k : settingKeys()) {
        // Keys match without regard to case in the file.
        EXPECT_TRUE(names.insert(QString::fromLatin1(k.key).toLower()).second) << k.key;
        switch (k.type) {
        case SettingKey::Type::Integer:
            EXPECT_TRUE(k.integer && !k.flag && !k.text) << k.key;
            EXPECT_TRUE(once(integers, k.integer)) << k.key;
            break;
        case SettingKey::Type::Flag:
            EXPECT_TRUE(k.flag && !k.integer && !k.text) << k.key;
            EXPECT_TRUE(once(flags, k.flag)) << k.key;
            break;
        case SettingKey::Type::Text:
            EXPECT_TRUE(k.text && !k.integer && !k.flag) << k.key;
            EXPECT_TRUE(once(texts, k.text)) << k.key;
            break;
        }
        EXPECT_TRUE(!k.ranged || k.type == SettingKey::Type::Text) << k.key;
        EXPECT_TRUE(!k.radio || k.type == SettingKey::Type::Flag) << k.key;
    }
    EXPECT_EQ(names.size(), 29u);
}

TEST(SettingKeys, AFreshSettingsHoldsEachStartingValueAsTheFileWritesIt)
{
    const Settings fresh;
    for (const SettingKey& k : settingKeys()) {
        EXPECT_EQ(settingText(fresh, k), QString::fromLatin1(k.factory)) << k.key;
        if (k.ranged) {
            const int v = QString::fromLatin1(k.factory).toInt();
            EXPECT_TRUE(v >= k.min && v <= k.max) << k.key;
        }
    }
}

TEST(SettingKeys, ValuesAreWrittenAsTheFileHoldsThem)
{
    Settings s;
    s.windowTop = -8;
    s.colourMode = false;
    s.laneSpacing = QStringLiteral(" 3x");
    EXPECT_EQ(settingText(s, settingKey("myformtop")), "-8");
    EXPECT_EQ(settingText(s, settingKey("cbcvet")), "0");
    EXPECT_EQ(settingText(s, settingKey("esoed")), " 3x");
    EXPECT_THROW(settingKey("nosuchkey"), std::logic_error);
}
