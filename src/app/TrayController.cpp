#include "app/TrayController.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include "app/AppIcon.h"
#include "app/DiagramView.h"
#include "app/EditorFiles.h"
#include "app/RoutineQueuePanel.h"
#include "app/SettingsPanel.h"
#include "app/MainWindow.h"
#include "platform/widgets/TrayIcon.h"

namespace vexoria {

namespace {
const QString kNoCode = QStringLiteral("Нет кода");
// The clipboard diagram builds code of at least this many lines.
constexpr int kMinClipboardLines = 6;
} // namespace

TrayController::TrayController(MainWindow& form, TrayIcon& tray, EditorFiles& editor, RoutineQueuePanel& queue,
                               DiagramView& view, const SettingsPanel& settings)
    : QObject(&form), m_form(form), m_tray(tray), m_editor(editor), m_queue(queue), m_view(view), m_settings(settings)
{
    trayMenu = new QMenu(&form);
    trayMenu->setObjectName(QStringLiteral("PopupMenu2"));
    auto item = [this](const char* name, const QString& caption, void (TrayController::*slot)()) {
        QAction* a = trayMenu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    trayChartAction = item("N6", QStringLiteral("Диаграмма"), &TrayController::chartFromClipboard);
    trayRestoreAction = item("N7", QStringLiteral("Развернуть"), &TrayController::restoreWindow);
    trayClearAction = item("N20", QStringLiteral("Очистить"), &TrayController::clearPictureFromTray);
    trayExitAction = item("N8", QStringLiteral("Выход"), &TrayController::exitFromTray);

    m_tray.show(programIcon(), QStringLiteral("Vexoria"), trayMenu, [this] { restoreWindow(); });
    m_form.installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) onActivated();
    });
}

bool TrayController::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == &m_form && e->type() == QEvent::Show) m_inTray = false;
    if (watched == &m_form && e->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(e);
        const bool minimisedNow = !(change->oldState() & Qt::WindowMinimized) && m_form.isMinimized();
        // Hiding the window while the window system is still iconifying it
        // confuses some window managers: it hides right after.
        if (minimisedNow) QTimer::singleShot(0, this, &TrayController::onMinimized);
    }
    return QObject::eventFilter(watched, e);
}

bool TrayController::hideToTray()
{
    if (!m_tray.isAvailable()) {
        if (!m_toldNoTray) {
            m_toldNoTray = true;
            m_form.workspace().prompter->message(QStringLiteral("На этом рабочем столе нет области уведомлений (трея): "
                                                                "окно свёрнуто на панель задач."));
        }
        return false;
    }
    m_form.hide();
    m_inTray = true;
    return true;
}

void TrayController::clearPicture()
{
    m_form.workspace().diagram.removePicture();
    m_view.refresh();
}

void TrayController::onMinimized()
{
    // The user may have restored the window before the queued call ran.
    if (!m_form.isMinimized() || m_inTray) return;
    if (!m_tray.isAvailable()) {
        hideToTray();
        return;
    }
    if (m_settings.clearInTrayBox->isChecked()) {
        clearPicture();
        m_form.uiState().animationOn = false;
        m_form.uiState().animStep = 0;
    }
    hideToTray();
}

void TrayController::onActivated()
{
    WindowState& state = m_form.uiState();
    if (!m_settings.startInTrayBox->isChecked() || !state.startInTrayPending) return;
    state.startInTrayPending = false;
    // Straight to the tray, the picture kept; without a tray, to the taskbar.
    if (!hideToTray()) m_form.showMinimized();
}

void TrayController::restoreWindow()
{
    m_inTray = false;
    m_form.setWindowState(m_form.windowState() & ~Qt::WindowMinimized);
    m_form.show();
    m_form.raise();
    m_form.activateWindow();
}

void TrayController::clearPictureFromTray() { clearPicture(); }

void TrayController::exitFromTray() { m_form.quit(); }

void TrayController::chartFromClipboard()
{
    restoreWindow();
    QueueState& queue = m_form.queueState();
    queue.fetchBeforeBuild = false;
    queue.editorHoldsOwnCode = true;
    // The routine queue ends: its list no longer covers the pasted code.
    m_queue.hideAll();
    m_editor.pasteClipboard();
    if (m_editor.lines().size() >= kMinClipboardLines) m_form.buildChart();
    else m_form.workspace().prompter->message(kNoCode);
}

} // namespace vexoria
