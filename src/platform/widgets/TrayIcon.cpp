#include "platform/widgets/TrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace vexoria {

SystemTrayIcon::SystemTrayIcon() : m_icon(new QSystemTrayIcon) {}

SystemTrayIcon::~SystemTrayIcon() { delete m_icon; }

bool SystemTrayIcon::isAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void SystemTrayIcon::show(const QIcon& icon, const QString& hint, QMenu* menu, std::function<void()> onActivate)
{
    m_icon->setIcon(icon);
    m_icon->setToolTip(hint);
    m_icon->setContextMenu(menu);
    QObject::connect(m_icon, &QSystemTrayIcon::activated, m_icon,
                     [onActivate = std::move(onActivate)](QSystemTrayIcon::ActivationReason why) {
                         if (onActivate && (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick))
                             onActivate();
                     });
    m_icon->show();
}

} // namespace vexoria
