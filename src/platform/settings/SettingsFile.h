#pragma once
// shema.ini: one section, myform, written as a Windows INI writer does (values
// raw, no quotes or escapes, CR LF), read from UTF-8 or Windows-1251 bytes.
#include <QString>

#include "platform/settings/Settings.h"

namespace vexoria {

// Reads the file into s; a missing file or key leaves the value as it is.
// Returns false when the file does not exist or cannot be read.
bool loadSettingsFile(const QString& path, Settings& s);
// Writes all 29 keys; returns false when the file cannot be written.
bool saveSettingsFile(const QString& path, const Settings& s);

// Where the window keeps shema.ini: beside the executable, or, where that
// folder cannot be written, in the user's configuration folder.
QString settingsWritePath();
// The file to read at start: the one settingsWritePath() names, or, when it
// does not exist yet and the executable's folder is read-only, a shema.ini
// that was installed beside the executable.
QString settingsReadPath();

// True when path names something that is there but is no regular file (a
// folder, a FIFO, a device): the window neither reads nor replaces it.
bool settingsFileIsOdd(const QString& path);

// The user's configuration folder for the program (~/.config/Vexoria).
QString userConfigFolder();

} // namespace vexoria
