#pragma once
// The main window: the code, diagram and print tabs, the menus, the settings
// and help panels, the comments grid and the build pipeline. The stages live
// in the core; the window reads its controls, runs them and shows the result.
#include <memory>

#include <QMainWindow>

#include "app/BuildRunner.h"
#include "app/WindowState.h"
#include "pipeline/Workspace.h"
#include "source/RoutineQueue.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QTimer;

namespace vexoria {

class CommentsGridView;
class GridNavigator;
class DesktopServices;
class DiagramView;
class EditorFiles;
class HelpPanel;
class PageMarkersView;
class PictureFiles;
class PrintController;
class ReportView;
class RoutineQueuePanel;
class SettingsPanel;
class TrayController;
struct Desktop;

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

    // The controls, under the names the rest of the program uses.
    QTabWidget* tabs;
    QWidget* codeTab;
    QWidget* diagramTab;
    QWidget* printTab;
    QPlainTextEdit* codeEditor;
    QHBoxLayout* editorRow; // the editor, and the routine queue's panel beside it
    QPushButton* chartButton;
    QPushButton* exitButton;
    QGroupBox* printLayoutGroup;
    QRadioButton* oneSheetButton;
    QRadioButton* pagedButton;
    QPushButton* printButton;
    QComboBox* debugTableChoice;
    QListWidget* routineList;
    QFrame* routinePanel;
    QRadioButton* buildAtOnceButton;
    QRadioButton* previewButton;
    HelpPanel* helpPanel;
    SettingsPanel* settingsPanel;
    CommentsGridView* commentsGrid;
    GridNavigator* gridNavigator;
    QScrollArea* diagramScroll;
    QWidget* diagramHost;
    DiagramView* diagramView;
    PageMarkersView* pageMarkers; // List1..List12 over diagramView
    ReportView* reportView;        // the report on the "Печать" tab
    PrintController* printing;
    QTimer* animationTimer;

    QMenu* fileMenu;
    QAction* openTextAction;
    QAction* openUnitAction;
    QAction* saveTextAction;
    QAction* openPictureAction;
    QAction* savePictureAction;
    QAction* settingsAction;
    QAction* printAction;
    QAction* exitAction;
    QMenu* chartMenu;
    QAction* pageMarkersAction;
    QAction* labelLinesAction;
    QMenu* animationMenu;
    QAction* animationOnAction;
    QAction* animationOffAction;
    QMenu* helpMenu;
    QAction* aboutAction;
    QAction* schemaShortcut;
    QMenu* diagramMenu;       // the diagram's popup menu
    QAction* nextPartAction;            // "Далее": the next part of a chart built in parts
    QAction* printChartAction;             // "Печатать"

    // Text files and the editor's popup, the routine queue, picture files
    // and the tray: each a class of its own (UvexoriaIntake.cpp makes them).
    EditorFiles* editorFiles = nullptr;
    RoutineQueuePanel* queuePanel = nullptr;
    PictureFiles* pictureFiles = nullptr;
    TrayController* trayController = nullptr;

public slots:
    void buildChart();     // "Схема": the build pipeline
    void exitFromButton();     // "Выход"
    void printFromButton();     // "Печать"
    void quit();          // "Файл" → "Выход"
    void showAbout();         // "О программе"
    void showSettings();         // "Настройки"
    void closeSettings();     // "Закрыть" on the settings panel
    void onTabChanged();  // the user selected a tab
    void fetchNextRoutine();             // fetch the next checked routine of the queue
    void drawNextPart();         // "Далее": draw the next part of a split chart

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildCodeTab();
    void buildDiagramTab();
    void buildMenus();
    void buildPrinting();
    void buildIntake(const Desktop& desktop);
    void loadWindowSettings();
    void saveWindowSettings();
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
    // After a build: the picture into diagramView, the diagram tab when there is one.
    void showDiagramResult();
    // "Далее" follows the workspace's flag for it.
    void syncPartControls();

    // Runs a command; a bad setting or another failure a stage throws ends
    // the command with a message instead of ending the program.
    template <class F>
    void runCommand(F&& f);

    // The editor's text as the classifier reads it: lines joined by CR LF.
    QString editorText() const;
    bool editorHasLines() const;
    void syncSettingsFromControls();
    // Says which setting a build cannot use; true when there is one.
    bool refuseBuildSettings();
    void applySettingsToControls();
    void applyAnimationInterval();
    // A tab switch made by the program: the tab rules do not run for it.
    void showTab(QWidget* page);
    void maximiseIfNormal();
    void setStateNormal();
    void placeOverlays();

    Prompter& prompter() { return *m_ws.prompter; }

    Workspace m_ws;
    WindowState m_state;
    QueueState m_queueState;
    BuildRunner* m_builder = nullptr;
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
