#include "platform/settings/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/files/FileNames.h"
#include "platform/settings/IniFile.h"
#include "platform/settings/SettingKeys.h"
#include "platform/text/TextCodec.h"

namespace vexoria {

namespace {

const QString kSection = QStringLiteral("myform");
const QString kFileName = QStringLiteral("shema.ini");

// Reads one key into s. The current value stays when the key is absent or
// unreadable, as a profile read with the control's value as its default does;
// a flag is set by any integer other than 0.
void readKey(const IniFile& ini, const SettingKey& k, Settings& s)
{
    const std::optional<QString> value = ini.value(kSection, QLatin1String(k.key));
    if (!value) return;
    switch (k.type) {
    case SettingKey::Type::Text: s.*k.text = *value; break;
    case SettingKey::Type::Integer:
        if (const auto i = parseIniInteger(*value)) s.*k.integer = *i;
        break;
    case SettingKey::Type::Flag:
        if (const auto i = parseIniInteger(*value)) s.*k.flag = *i != 0;
        break;
    }
}

bool writableFolder(const QString& dir)
{
    const QFileInfo fi(dir);
    return !dir.isEmpty() && fi.isDir() && fi.isWritable();
}

QString besideExecutable() { return QDir(QCoreApplication::applicationDirPath()).filePath(kFileName); }

QString inConfigFolder() { return QDir(userConfigFolder()).filePath(kFileName); }

} // namespace

bool settingsFileIsOdd(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

QString userConfigFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation); }

bool loadSettingsFile(const QString& path, Settings& s)
{
    QFile f;
    if (!openForReading(f, path)) return false;
    const IniFile ini = IniFile::fromText(decodeCodeText(f.readAll()));
    // The keys are read in the order of the file; it matters for the two radio
    // buttons. They are one group: checking one unchecks the other,
    // unchecking one leaves the other as it is. So the one read last as true
    // stays selected, and two zeros leave neither selected.
    for (const SettingKey& k : settingKeys()) {
        readKey(ini, k, s);
        if (!k.radio || !(s.*k.flag)) continue;
        for (const SettingKey& other : settingKeys())
            if (other.radio && other.flag != k.flag) s.*other.flag = false;
    }
    return true;
}

bool saveSettingsFile(const QString& path, const Settings& s)
{
    // An existing file keeps its comments, other sections and other keys;
    // only the program's own keys change.
    IniFile ini;
    {
        QFile old(path);
        if (old.open(QIODevice::ReadOnly)) ini = IniFile::fromText(decodeCodeText(old.readAll()));
    }
    for (const SettingKey& k : settingKeys()) ini.setValue(kSection, QLatin1String(k.key), settingText(s, k));

    // Written as UTF-8: a file from an older Windows version comes in
    // Windows-1251 and is read as such, but UTF-8 is what every tool here
    // reads, and the reader tells the two apart on its own.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(ini.toText().toUtf8());
    return f.commit();
}

QString settingsWritePath()
{
    if (writableFolder(QCoreApplication::applicationDirPath())) return besideExecutable();
    const QString file = inConfigFolder();
    QDir().mkpath(QFileInfo(file).absolutePath());
    return file;
}

QString settingsReadPath()
{
    const QString path = settingsWritePath();
    if (QFileInfo::exists(path)) return path;
    return besideExecutable();
}

} // namespace vexoria
