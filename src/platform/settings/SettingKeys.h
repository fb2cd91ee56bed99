#pragma once
// The keys of shema.ini, in the order the file is written: each with the
// member of Settings it holds, the value the program starts with and, for a
// number typed as text, the range every chart fits in. Reading and saving the
// file, the range checks of a build and the settings panel all go by this one
// table, so a key is spelled once.
#include <vector>

#include <QString>

#include "platform/settings/Settings.h"

namespace vexoria {

struct SettingKey {
    enum class Type { Integer, Flag, Text };

    const char* key = ""; // the INI key: "eif"
    Type type = Type::Text;
    int Settings::*integer = nullptr;  // Type::Integer
    bool Settings::*flag = nullptr;    // Type::Flag
    QString Settings::*text = nullptr; // Type::Text
    const char* factory = "";          // the starting value, as the file writes it
    // A number kept as the text the user typed, usable only in min..max.
    bool ranged = false;
    int min = 0;
    int max = 0;
    bool readByBuild = false; // eani is the timer's, not the build's
    // One of a group of radio buttons: when it reads as set, the others of
    // the group are cleared.
    bool radio = false;
};

const std::vector<SettingKey>& settingKeys();
// The key of that name; throws std::logic_error for a name not in the table.
const SettingKey& settingKey(const char* key);

// The key's value in s as the file writes it: a decimal number, 1 or 0, or
// the text as it stands.
QString settingText(const Settings& s, const SettingKey& k);
// Puts every key's starting value into s.
void setFactorySettings(Settings& s);

} // namespace vexoria
