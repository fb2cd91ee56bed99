#include "platform/settings/SettingKeys.h"

#include <stdexcept>
#include <string>

namespace vexoria {

namespace {

SettingKey integerKey(const char* key, int Settings::*member, const char* factory)
{
    SettingKey k;
    k.key = key;
    k.type = SettingKey::Type::Integer;
    k.integer = member;
    k.factory = factory;
    return k;
}

SettingKey flagKey(const char* key, bool Settings::*member, const char* factory, bool radio = false)
{
    SettingKey k;
    k.key = key;
    k.type = SettingKey::Type::Flag;
    k.flag = member;
    k.factory = factory;
    k.radio = radio;
    return k;
}

SettingKey textKey(const char* key, QString Settings::*member)
{
    SettingKey k;
    k.key = key;
    k.type = SettingKey::Type::Text;
    k.text = member;
    return k;
}

SettingKey numberKey(const char* key, QString Settings::*member, const char* factory, int min, int max,
                     bool readByBuild = true)
{
    SettingKey k = textKey(key, member);
    k.factory = factory;
    k.ranged = true;
    k.min = min;
    k.max = max;
    k.readByBuild = readByBuild;
    return k;
}

} // namespace

// The ranges hold every value a real chart needs and the factory values (see
// SettingLimits.h for why each ends where it does).
const std::vector<SettingKey>& settingKeys()
{
    static const std::vector<SettingKey> table{
        integerKey("myformtop", &Settings::windowTop, "100"),
        integerKey("myformleft", &Settings::windowLeft, "101"),
        textKey("opendialog1.InitialDir", &Settings::unitFolder),
        textKey("opendialog2.InitialDir", &Settings::textOpenFolder),
        textKey("opd.InitialDir", &Settings::pictureOpenFolder),
        textKey("savedialog1.InitialDir", &Settings::textSaveFolder),
        textKey("spd.InitialDir", &Settings::pictureSaveFolder),
        flagKey("radiobutton1", &Settings::queueBuildsAtOnce, "0", true),
        flagKey("radiobutton2", &Settings::queuePreviews, "1", true),
        flagKey("checkbox1", &Settings::startInTray, "0"),
        flagKey("cbcvet", &Settings::colourMode, "1"),
        flagKey("cboch", &Settings::clearPictureInTray, "1"),
        flagKey("cbotl", &Settings::debugMode, "0"),
        flagKey("cbprint", &Settings::choosePrinter, "0"),
        flagKey("cbdobkom", &Settings::drawComments, "1"),
        flagKey("cbpredkom", &Settings::reviewCommentsFirst, "0"),
        flagKey("cblegend", &Settings::addLegend, "0"),
        flagKey("cbraz", &Settings::markPages, "1"),
        flagKey("cbpod", &Settings::labelBreaks, "1"),
        flagKey("cbanime", &Settings::animate, "1"),
        numberKey("evar", &Settings::varTextWidth, "260", 20, 2000),
        numberKey("eif", &Settings::ifTextWidth, "200", 20, 2000),
        numberKey("efor", &Settings::forTextWidth, "200", 20, 2000),
        numberKey("ewhile", &Settings::whileTextWidth, "250", 20, 2000),
        numberKey("eelse", &Settings::elseTextWidth, "260", 20, 2000),
        numberKey("ebeg", &Settings::beginTextWidth, "260", 20, 2000),
        numberKey("edlin", &Settings::maxChartLength, "5500", 100, 1000000),
        numberKey("esoed", &Settings::laneSpacing, "20", 1, 100),
        numberKey("eani", &Settings::animationIntervalMs, "100", 10, 10000, false),
    };
    return table;
}

const SettingKey& settingKey(const char* key)
{
    for (const SettingKey& k : settingKeys())
        if (qstrcmp(k.key, key) == 0) return k;
    throw std::logic_error(std::string("no setting ") + key);
}

QString settingText(const Settings& s, const SettingKey& k)
{
    switch (k.type) {
    case SettingKey::Type::Integer: return QString::number(s.*k.integer);
    case SettingKey::Type::Flag: return s.*k.flag ? QStringLiteral("1") : QStringLiteral("0");
    case SettingKey::Type::Text: return s.*k.text;
    }
    return {};
}

void setFactorySettings(Settings& s)
{
    for (const SettingKey& k : settingKeys()) {
        const QString factory = QString::fromLatin1(k.factory);
        switch (k.type) {
        case SettingKey::Type::Integer: s.*k.integer = factory.toInt(); break;
        case SettingKey::Type::Flag: s.*k.flag = factory != u"0"; break;
        case SettingKey::Type::Text: s.*k.text = factory; break;
        }
    }
}

Settings::Settings() { setFactorySettings(*this); }

} // namespace vexoria
