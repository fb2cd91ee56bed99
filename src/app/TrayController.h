#pragma once
// The program in the notification area: the icon `RxTrayIcon1` with its hint
// and popup ("Диаграмма", "Развернуть", "Очистить", "Выход"), minimising to
// the tray, starting in the tray, and the clipboard diagram. Where the
// desktop has no notification area the window minimises as usual, and the
// user is told so once.
#include <QObject>

class QAction;
class QMenu;

namespace vexoria {

class DiagramView;
class EditorFiles;
class RoutineQueuePanel;
class MainWindow;
class SettingsPanel;
class TrayIcon;

class TrayController : public QObject {
    Q_OBJECT
public:
    // view: the diagram that "Очистить" empties; settings: whether the
    // window starts in the tray and clears the picture on its way there.
    TrayController(MainWindow& form, TrayIcon& tray, EditorFiles& editor, RoutineQueuePanel& queue, DiagramView& view,
                   const SettingsPanel& settings);

    QMenu* trayMenu;
    QAction* trayChartAction;   // "Диаграмма"
    QAction* trayRestoreAction; // "Развернуть"
    QAction* trayClearAction;   // "Очистить"
    QAction* trayExitAction;    // "Выход"

    // The window sits in the tray (hidden, only the icon shows).
    bool inTray() const { return m_inTray; }

public slots:
    void onMinimized();
    void onActivated();
    void chartFromClipboard();
    void restoreWindow();
    void clearPictureFromTray();
    void exitFromTray();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Hides the window so that only the icon stays; false when there is no
    // notification area to go to (the user is told once).
    bool hideToTray();
    void clearPicture();

    MainWindow& m_form;
    TrayIcon& m_tray;
    EditorFiles& m_editor;
    RoutineQueuePanel& m_queue;
    DiagramView& m_view;
    const SettingsPanel& m_settings;
    bool m_inTray = false;
    bool m_toldNoTray = false;
};

} // namespace vexoria
