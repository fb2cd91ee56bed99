#pragma once
// The notification-area icon, behind an interface: a desktop may have no
// notification area at all, and tests have none.
#include <functional>

#include <QIcon>
#include <QString>

class QMenu;
class QSystemTrayIcon;

namespace vexoria {

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // Whether the desktop shows notification-area icons.
    virtual bool isAvailable() const = 0;
    // Shows the icon with its hint; a right click opens menu, a click or a
    // double click runs onActivate.
    virtual void show(const QIcon& icon, const QString& hint, QMenu* menu, std::function<void()> onActivate) = 0;
};

class SystemTrayIcon : public TrayIcon {
public:
    SystemTrayIcon();
    ~SystemTrayIcon() override;
    bool isAvailable() const override;
    void show(const QIcon& icon, const QString& hint, QMenu* menu, std::function<void()> onActivate) override;

private:
    QSystemTrayIcon* m_icon;
};

} // namespace vexoria
