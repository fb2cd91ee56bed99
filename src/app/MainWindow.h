#pragma once
// The main window: the code, diagram and print tabs (each a class of its
// own), the menus, the settings panel and the build pipeline. The stages live
// in the core; the window reads its controls, runs them and shows the result.
// Its controls are its own: the rest of the program reaches it through its
// actions and the commands below, tests through MainWindowProbe.
#include <memory>

#include <QMainWindow>

#include "app/BuildRunner.h"
#include "app/WindowState.h"
#include "pipeline/Workspace.h"
#include "source/RoutineQueue.h"

class QAction;
class QButtonGroup;
class QMenu;
class QSettings;
class QTabWidget;
class QTimer;

namespace vexoria {

class ChartLinks;
class CodeTab;
class DesktopServices;
class DiagramFind;
class DiagramTab;
class EditorFiles;
class PictureFiles;
class PrintController;
class PrintTab;
class RoutineQueuePanel;
class SettingsPanel;
class SideBySide;
class TrayController;
struct Desktop;

enum class WindowTab { Code, Diagram, Print };

// The menu items, the shortcut of "Схема" and the diagram popup's own items.
struct WindowActions {
    QAction* openText = nullptr;     // "Открыть *.txt"
    QAction* openUnit = nullptr;     // "Открыть *.pas"
    QAction* saveText = nullptr;     // "Сохранить *.txt"
    QAction* openPicture = nullptr;  // "Открыть *.bmp"
    QAction* savePicture = nullptr;  // "Сохранить *.bmp"
    QAction* settings = nullptr;     // "Настройки"
    QAction* print = nullptr;        // "Файл" → "Печать"
    QAction* exit = nullptr;         // "Файл" → "Выход"
    QAction* pageMarkers = nullptr;  // "Разметка страниц"
    QAction* labelLines = nullptr;   // "Подписать линии"
    QAction* animationOn = nullptr;  // "Анимация" → "Включить"
    QAction* animationOff = nullptr; // "Анимация" → "Выключить"
    QAction* about = nullptr;        // "О программе"
    QAction* schema = nullptr;       // F9 and Ctrl+R: "Схема" on every tab
    QAction* nextPart = nullptr;     // "Далее": the next part of a chart built in parts
    QAction* printChart = nullptr;   // "Печатать" in the diagram's popup
    QAction* sideBySide = nullptr;   // "Код и схема рядом" (F6), checkable
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // prompter: where messages and questions go (nullptr: message boxes).
    // settingsPath: the shema.ini to read at creation and write at close
    // (empty: beside the executable, or the user's configuration folder).
    // desktop: file dialogs, clipboard and tray to use (null: the system's).
    explicit MainWindow(Prompter* prompter = nullptr, const QString& settingsPath = QString(),
                        const Desktop* desktop = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return m_ws; }
    WindowState& uiState() { return m_state; }
    QueueState& queueState() { return m_queueState; }
    BuildRunner& buildRunner() { return *m_builder; }
    const QString& settingsPath() const { return m_settingsPath; }

    // The window's commands. The pointers are the window's: others connect
    // to the actions and trigger them, and never replace them.
    const WindowActions& actions() const { return m_actions; }

    // The tab on show, and a switch to another as the user makes it: the tab
    // rules run for it (a build for the diagram tab, a print for the print
    // tab, back to the code tab when there is nothing to show). With the code
    // and the chart side by side, their page counts as the diagram tab (the
    // chart is on show there) and either tab selects it; no tab rule runs
    // for it.
    WindowTab currentTab() const;
    void selectTab(WindowTab tab);
    // The editor's code as the classifier reads it: lines joined by CR LF.
    QString code() const;

public slots:
    void buildChart();       // "Схема": the build pipeline
    void exitFromButton();   // "Выход"
    void printFromButton();  // "Печать"
    void quit();             // "Файл" → "Выход"
    void showAbout();        // "О программе"
    void showSettings();     // "Настройки"
    void closeSettings();    // "Закрыть" on the settings panel
    void onTabChanged();     // the user selected a tab
    void fetchNextRoutine(); // fetch the next checked routine of the queue
    void drawNextPart();     // "Далее": draw the next part of a split chart
    // "Код и схема рядом": the code and the chart side by side, or in tabs.
    void setSideBySide(bool on);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    friend class MainWindowProbe;

    void buildCodeTab();
    void buildDiagramTab();
    void buildMenus();
    void buildPrinting();
    void buildIntake(const Desktop& desktop);
    // The code and the chart pointing at each other, and find on the chart.
    void buildLinks();
    void loadWindowSettings();
    void saveWindowSettings();
    // The window's layout (side by side, the split) is the user's own and
    // kept apart from shema.ini: in the program's configuration, or beside
    // a shema.ini given at creation, as the editor's code is.
    std::unique_ptr<QSettings> layoutSettings() const;
    void saveLayout();
    // The chart is on show: its tab, or side by side with the code.
    bool chartOnShow() const;
    // The editor's code is kept at close and put back at start. False when
    // it could not be kept and the user has not been told yet: the window
    // stays open this once.
    bool keepEditorCode();
    void restoreEditorCode();
    void showSourceInTitle(const QString& path);

    // The pipeline's steps; throws what a stage throws.
    void runPipeline();
    // Runs the core work of a build off the window's thread (BuildRunner);
    // false when it was cancelled.
    bool runBuild(const BuildRunner::Work& work);
    void showCommentsGrid();
    void hideCommentsGrid();
    // After a build: the picture into the diagram view, the diagram tab when there is one.
    void showDiagramResult();
    // "Далее" follows the workspace's flag for it.
    void syncPartControls();

    // Runs a command; a bad setting or another failure a stage throws ends
    // the command with a message instead of ending the program.
    template <class F>
    void runCommand(F&& f);

    void syncSettingsFromControls();
    // Says which setting a build cannot use; true when there is one.
    bool refuseBuildSettings();
    void applySettingsToControls();
    void applyAnimationInterval();
    // A tab switch made by the program: the tab rules do not run for it.
    void showTab(WindowTab tab);
    QWidget* page(WindowTab tab) const;
    void maximiseIfNormal();
    void setStateNormal();

    Prompter& prompter() { return *m_ws.prompter; }

    Workspace m_ws;
    WindowState m_state;
    QueueState m_queueState;
    BuildRunner* m_builder = nullptr;

    QTabWidget* m_tabs = nullptr;
    CodeTab* m_codeTab = nullptr;
    DiagramTab* m_diagramTab = nullptr;
    PrintTab* m_printTab = nullptr;
    // The settings panel lies over the code tab's editor when it shows.
    SettingsPanel* settingsPanel = nullptr;
    QTimer* m_animationTimer = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_chartMenu = nullptr;
    QMenu* m_animationMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    WindowActions m_actions;

    // Text files and the editor's popup, the routine queue, picture files,
    // printing and the tray: each a class of its own (MainWindowIntake.cpp
    // and MainWindowPrinting.cpp make them).
    EditorFiles* m_editorFiles = nullptr;
    RoutineQueuePanel* m_queuePanel = nullptr;
    PictureFiles* m_pictureFiles = nullptr;
    TrayController* m_trayController = nullptr;
    PrintController* m_printing = nullptr;
    SideBySide* m_sideBySide = nullptr;
    ChartLinks* m_links = nullptr;
    DiagramFind* m_find = nullptr;

    std::unique_ptr<Prompter> m_ownPrompter;
    QString m_settingsPath;
    bool m_settingsPathGiven = false;
    QString m_sessionPath;
    bool m_settingsFileOdd = false; // shema.ini was a folder, FIFO or device
    bool m_codeNotKeptTold = false;
    QButtonGroup* m_queueChoice = nullptr;
    std::unique_ptr<DesktopServices> m_desktop;
    bool m_programSwitch = false;
};

} // namespace vexoria
