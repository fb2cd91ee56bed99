#include "platform/widgets/Desktop.h"

#include "platform/widgets/Clipboard.h"
#include "platform/widgets/FileDialogs.h"
#include "platform/widgets/TrayIcon.h"

namespace vexoria {

DesktopServices::DesktopServices(const Desktop& given, QWidget* window) : m_in(given)
{
    if (!m_in.dialogs) {
        m_ownDialogs = std::make_unique<QtFileDialogs>(window);
        m_in.dialogs = m_ownDialogs.get();
    }
    if (!m_in.clipboard) {
        m_ownClipboard = std::make_unique<SystemClipboard>();
        m_in.clipboard = m_ownClipboard.get();
    }
    if (!m_in.tray) {
        m_ownTray = std::make_unique<SystemTrayIcon>();
        m_in.tray = m_ownTray.get();
    }
}

DesktopServices::~DesktopServices() = default;

} // namespace vexoria
