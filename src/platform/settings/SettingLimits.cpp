#include "platform/settings/SettingLimits.h"

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
    static const std::vector<NumericSetting> table{
        {"evar", &Settings::varTextWidth, 20, 2000, true},
        {"eif", &Settings::ifTextWidth, 20, 2000, true},
        {"efor", &Settings::forTextWidth, 20, 2000, true},
        {"ewhile", &Settings::whileTextWidth, 20, 2000, true},
        {"eelse", &Settings::elseTextWidth, 20, 2000, true},
        {"ebeg", &Settings::beginTextWidth, 20, 2000, true},
        {"edlin", &Settings::maxChartLength, 100, 1000000, true},
        {"esoed", &Settings::laneSpacing, 1, 100, true},
        {"eani", &Settings::animationIntervalMs, 10, 10000, false},
    };
    return table;
}

const NumericSetting& numericSetting(const char* key)
{
    for (const NumericSetting& s : numericSettings())
        if (qstrcmp(s.key, key) == 0) return s;
    throw std::logic_error(std::string("no numeric setting ") + key);
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

QString shownSettingText(const QString& text)
{
    return shown(text);
}

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
