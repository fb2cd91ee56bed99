#pragma once
// The services of the desktop session that the window uses and a test
// replaces: the file dialogs, the clipboard and the notification-area icon.
#include <memory>

class QWidget;

namespace vexoria {

class Clipboard;
class FileDialogs;
class TrayIcon;

struct Desktop {
    FileDialogs* dialogs = nullptr;
    Clipboard* clipboard = nullptr;
    TrayIcon* tray = nullptr;
};

// The services a window works with: the given ones, and the system's own
// in place of those left null. Owns the system's ones.
class DesktopServices {
public:
    DesktopServices(const Desktop& given, QWidget* window);
    ~DesktopServices();
    DesktopServices(const DesktopServices&) = delete;
    DesktopServices& operator=(const DesktopServices&) = delete;

    FileDialogs& dialogs() { return *m_in.dialogs; }
    Clipboard& clipboard() { return *m_in.clipboard; }
    TrayIcon& tray() { return *m_in.tray; }

private:
    Desktop m_in;
    std::unique_ptr<FileDialogs> m_ownDialogs;
    std::unique_ptr<Clipboard> m_ownClipboard;
    std::unique_ptr<TrayIcon> m_ownTray;
};

} // namespace vexoria
