#include "platform/settings/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/files/FileNames.h"
#include "platform/settings/IniFile.h"
#include "platform/text/TextCodec.h"

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
    r.integer("myformtop", s.windowTop);
    r.integer("myformleft", s.windowLeft);
    r.text("opendialog1.InitialDir", s.unitFolder);
    r.text("opendialog2.InitialDir", s.textOpenFolder);
    r.text("opd.InitialDir", s.pictureOpenFolder);
    r.text("savedialog1.InitialDir", s.textSaveFolder);
    r.text("spd.InitialDir", s.pictureSaveFolder);
    // The two radio buttons are one group: checking one unchecks the other,
    // unchecking one leaves the other as it is. So the one read last as true
    // stays selected, and two zeros leave neither selected.
    s.queueBuildsAtOnce = r.readBool("radiobutton1", s.queueBuildsAtOnce);
    if (s.queueBuildsAtOnce) s.queuePreviews = false;
    s.queuePreviews = r.readBool("radiobutton2", s.queuePreviews);
    if (s.queuePreviews) s.queueBuildsAtOnce = false;
    r.boolean("checkbox1", s.startInTray);
    r.boolean("cbcvet", s.colourMode);
    r.boolean("cbotl", s.debugMode);
    r.boolean("cboch", s.clearPictureInTray);
    r.boolean("cbprint", s.choosePrinter);
    r.boolean("cbdobkom", s.drawComments);
    r.boolean("cbpredkom", s.reviewCommentsFirst);
    r.boolean("cblegend", s.addLegend);
    r.boolean("cbraz", s.markPages);
    r.boolean("cbpod", s.labelBreaks);
    r.boolean("cbanime", s.animate);
    r.text("evar", s.varTextWidth);
    r.text("eif", s.ifTextWidth);
    r.text("efor", s.forTextWidth);
    r.text("ewhile", s.whileTextWidth);
    r.text("eelse", s.elseTextWidth);
    r.text("ebeg", s.beginTextWidth);
    r.text("edlin", s.maxChartLength);
    r.text("esoed", s.laneSpacing);
    r.text("eani", s.animationIntervalMs);
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

    put("myformtop", QString::number(s.windowTop));
    put("myformleft", QString::number(s.windowLeft));
    put("opendialog1.InitialDir", s.unitFolder);
    put("opendialog2.InitialDir", s.textOpenFolder);
    put("opd.InitialDir", s.pictureOpenFolder);
    put("savedialog1.InitialDir", s.textSaveFolder);
    put("spd.InitialDir", s.pictureSaveFolder);
    put("radiobutton1", flag(s.queueBuildsAtOnce));
    put("radiobutton2", flag(s.queuePreviews));
    put("checkbox1", flag(s.startInTray));
    put("cbcvet", flag(s.colourMode));
    put("cboch", flag(s.clearPictureInTray));
    put("cbotl", flag(s.debugMode));
    put("cbprint", flag(s.choosePrinter));
    put("cbdobkom", flag(s.drawComments));
    put("cbpredkom", flag(s.reviewCommentsFirst));
    put("cblegend", flag(s.addLegend));
    put("cbraz", flag(s.markPages));
    put("cbpod", flag(s.labelBreaks));
    put("cbanime", flag(s.animate));
    put("evar", s.varTextWidth);
    put("eif", s.ifTextWidth);
    put("efor", s.forTextWidth);
    put("ewhile", s.whileTextWidth);
    put("eelse", s.elseTextWidth);
    put("ebeg", s.beginTextWidth);
    put("edlin", s.maxChartLength);
    put("esoed", s.laneSpacing);
    put("eani", s.animationIntervalMs);

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
