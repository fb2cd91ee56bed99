#include "platform/core/SettingsFile.h"

namespace vexoria {

// FIXME: the INI reader and writer are not built yet.
bool loadSettingsFile(const QString& /*path*/, Settings& /*s*/) { return false; }
bool saveSettingsFile(const QString& /*path*/, const Settings& /*s*/) { return false; }

} // namespace vexoria
