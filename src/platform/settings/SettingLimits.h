#pragma once
// The range of every numeric setting. A value outside its range would give a
// chart no one can use (a block that vanishes, one character per line,
// connection lines far outside the picture) or overflow the arithmetic of
// sizing and routing, so a build checks all of them before it draws, and the
// settings panel refuses them when it closes.
//
// The ranges hold every value a real chart needs and the factory values:
//   evar eelse ebeg eif efor ewhile  20 … 2000    width at which a text is
//       broken, in pixels; below 20 a piece holds one or two characters,
//       and 2000 is wider than any line of a statement field on the 700 pixel
//       picture, so "never break" can still be set
//   edlin                            100 … 1000000  longest chart in pixels
//       before it is built in parts; above the tallest picture that can be
//       made, so "never ask" can still be set
//   esoed                              1 … 100     lane spacing in pixels; 0
//       puts every lane on one line, more than 100 leaves the picture after
//       three lanes
//   eani                              10 … 10000   animation step in
//       milliseconds; faster than 10 is faster than any screen shows
#include <vector>

#include <QString>

#include "platform/settings/SettingKeys.h"
#include "platform/settings/Settings.h"

namespace vexoria {

// A numeric setting is a key of the key table with a range.
using NumericSetting = SettingKey;

// The keys with a range, in the order of the file.
const std::vector<NumericSetting>& numericSettings();
// The numeric setting of that key; throws std::logic_error for any other key.
const NumericSetting& numericSetting(const char* key);

// Whether text is a usable value of setting: an integer (blanks around it
// allowed) within the setting's range.
enum class SettingFault { None, NotInteger, OutOfRange };
SettingFault settingFault(const NumericSetting& setting, const QString& text);

// What is wrong with text as the value of setting, read from file (the name
// shown, "shema.ini"): "shema.ini: eif = -5 is out of range 20…2000", or the
// conversion message with the key's name; empty when the value is usable.
// The value shown is cut to 40 characters.
QString settingProblem(const NumericSetting& setting, const QString& text, const QString& file);

// text as a message shows it: trimmed, cut to 40 characters.
QString shownSettingText(const QString& text);

// The value of setting in s; throws ConversionError with settingProblem()'s
// message when it is not usable.
int checkedSetting(const Settings& s, const NumericSetting& setting, const QString& file);

// Checks every setting a build reads, in the order of the panel file; throws
// ConversionError for the first one that is not usable.
void checkBuildSettings(const Settings& s, const QString& file);

} // namespace vexoria
