#include "platform/settings/SettingLimits.h"

#include <stdexcept>
#include <string>

#include <QRegularExpression>

#include "platform/text/ConversionError.h"

namespace vexoria {

namespace {

constexpr int kShownLength = 40;

QString shown(const QString& text)
{
    const QString t = text.trimmed();
    return t.size() > kShownLength ? t.left(kShownLength) + QStringLiteral("…") : t;
}

bool looksLikeInteger(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    return digits.match(text.trimmed()).hasMatch();
}

} // namespace

const std::vector<NumericSetting>& numericSettings()
{
    static const std::vector<NumericSetting> table = [] {
        std::vector<NumericSetting> ranged;
        for (const SettingKey& k : settingKeys())
            if (k.ranged) ranged.push_back(k);
        return ranged;
    }();
    return table;
}

const NumericSetting& numericSetting(const char* key)
{
    const SettingKey& k = settingKey(key);
    if (!k.ranged) throw std::logic_error(std::string("no numeric setting ") + key);
    return k;
}

SettingFault settingFault(const NumericSetting& setting, const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (ok && v >= setting.min && v <= setting.max) return SettingFault::None;
    // Digits too many for an integer are still a number, just a large one.
    return ok || looksLikeInteger(text) ? SettingFault::OutOfRange : SettingFault::NotInteger;
}

QString settingProblem(const NumericSetting& setting, const QString& text, const QString& file)
{
    const SettingFault fault = settingFault(setting, text);
    if (fault == SettingFault::None) return {};
    const QString head = QStringLiteral("%1: %2 = ").arg(file, QLatin1String(setting.key));
    if (fault == SettingFault::OutOfRange)
        return head + QStringLiteral("%1 is out of range %2…%3").arg(shown(text)).arg(setting.min).arg(setting.max);
    return head + ConversionError(shown(text)).message();
}

QString shownSettingText(const QString& text) { return shown(text); }

int checkedSetting(const Settings& s, const NumericSetting& setting, const QString& file)
{
    const QString& text = s.*(setting.text);
    const QString problem = settingProblem(setting, text, file);
    if (!problem.isEmpty()) throw ConversionError(text, problem);
    return text.trimmed().toInt();
}

void checkBuildSettings(const Settings& s, const QString& file)
{
    for (const NumericSetting& setting : numericSettings())
        if (setting.readByBuild) checkedSetting(s, setting, file);
}

} // namespace vexoria
