#include "platform/core/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/core/FileNames.h"
#include "platform/core/IniFile.h"
#include "platform/core/TextCodec.h"

namespace vexoria {

namespace {

const QString kSection = QStringLiteral("myform");
const QString kFileName = QStringLiteral("shema.ini");

// Each reader keeps the current value when the key is absent or unreadable,
// as a profile read with the control's value as its default does.
class Reader {
public:
    explicit Reader(const IniFile& ini) : m_ini(ini) {}

    void text(const char* key, QString& v) const
    {
        if (auto s = m_ini.value(kSection, QLatin1String(key))) v = *s;
    }
    void integer(const char* key, int& v) const
    {
        if (auto s = m_ini.value(kSection, QLatin1String(key)))
            if (auto i = parseIniInteger(*s)) v = *i;
    }
    // Any integer other than 0 is true.
    bool readBool(const char* key, bool current) const
    {
        int i = current ? 1 : 0;
        integer(key, i);
        return i != 0;
    }
    void boolean(const char* key, bool& v) const { v = readBool(key, v); }

private:
    const IniFile& m_ini;
};

QString flag(bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); }

bool writableFolder(const QString& dir)
{
    const QFileInfo fi(dir);
    return !dir.isEmpty() && fi.isDir() && fi.isWritable();
}

QString besideExecutable()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(kFileName);
}

QString inConfigFolder()
{
    return QDir(userConfigFolder()).filePath(kFileName);
}

} // namespace

bool settingsFileIsOdd(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

QString userConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

bool loadSettingsFile(const QString& path, Settings& s)
{
    QFile f;
    if (!openForReading(f, path)) return false;
    const IniFile ini = IniFile::fromText(decodeCodeText(f.readAll()));
    const Reader r(ini);

    // The keys are read in this order; it matters for the two radio buttons.
    r.integer("myformtop", s.myformtop);
    r.integer("myformleft", s.myformleft);
    r.text("opendialog1.InitialDir", s.opendialog1InitialDir);
    r.text("opendialog2.InitialDir", s.opendialog2InitialDir);
    r.text("opd.InitialDir", s.opdInitialDir);
    r.text("savedialog1.InitialDir", s.savedialog1InitialDir);
    r.text("spd.InitialDir", s.spdInitialDir);
    // The two radio buttons are one group: checking one unchecks the other,
    // unchecking one leaves the other as it is. So the one read last as true
    // stays selected, and two zeros leave neither selected.
    s.radiobutton1 = r.readBool("radiobutton1", s.radiobutton1);
    if (s.radiobutton1) s.radiobutton2 = false;
    s.radiobutton2 = r.readBool("radiobutton2", s.radiobutton2);
    if (s.radiobutton2) s.radiobutton1 = false;
    r.boolean("checkbox1", s.checkbox1);
    r.boolean("cbcvet", s.cbcvet);
    r.boolean("cbotl", s.cbotl);
    r.boolean("cboch", s.cboch);
    r.boolean("cbprint", s.cbprint);
    r.boolean("cbdobkom", s.cbdobkom);
    r.boolean("cbpredkom", s.cbpredkom);
    r.boolean("cblegend", s.cblegend);
    r.boolean("cbraz", s.cbraz);
    r.boolean("cbpod", s.cbpod);
    r.boolean("cbanime", s.cbanime);
    r.text("evar", s.evar);
    r.text("eif", s.eif);
    r.text("efor", s.efor);
    r.text("ewhile", s.ewhile);
    r.text("eelse", s.eelse);
    r.text("ebeg", s.ebeg);
    r.text("edlin", s.edlin);
    r.text("esoed", s.esoed);
    r.text("eani", s.eani);
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
    auto put = [&ini](const char* key, const QString& v) { ini.setValue(kSection, QLatin1String(key), v); };

    put("myformtop", QString::number(s.myformtop));
    put("myformleft", QString::number(s.myformleft));
    put("opendialog1.InitialDir", s.opendialog1InitialDir);
    put("opendialog2.InitialDir", s.opendialog2InitialDir);
    put("opd.InitialDir", s.opdInitialDir);
    put("savedialog1.InitialDir", s.savedialog1InitialDir);
    put("spd.InitialDir", s.spdInitialDir);
    put("radiobutton1", flag(s.radiobutton1));
    put("radiobutton2", flag(s.radiobutton2));
    put("checkbox1", flag(s.checkbox1));
    put("cbcvet", flag(s.cbcvet));
    put("cboch", flag(s.cboch));
    put("cbotl", flag(s.cbotl));
    put("cbprint", flag(s.cbprint));
    put("cbdobkom", flag(s.cbdobkom));
    put("cbpredkom", flag(s.cbpredkom));
    put("cblegend", flag(s.cblegend));
    put("cbraz", flag(s.cbraz));
    put("cbpod", flag(s.cbpod));
    put("cbanime", flag(s.cbanime));
    put("evar", s.evar);
    put("eif", s.eif);
    put("efor", s.efor);
    put("ewhile", s.ewhile);
    put("eelse", s.eelse);
    put("ebeg", s.ebeg);
    put("edlin", s.edlin);
    put("esoed", s.esoed);
    put("eani", s.eani);

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
