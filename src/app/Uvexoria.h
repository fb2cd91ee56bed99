#pragma once
// The main window: the code, diagram and print tabs, the menus, the settings
// and help panels, the comments grid and the build pipeline. The stages live
// in the core; the window reads its controls, runs them and shows the result.
#include <memory>

#include <QMainWindow>

#include "app/BuildRunner.h"
#include "pipeline/Workspace.h"

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
class DbNavigator;
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

class TMyform : public QMainWindow {
    Q_OBJECT
public:
    // prompter: where messages and questions go (nullptr: message boxes).
    // settingsPath: the shema.ini to read at creation and write at close
    // (empty: beside the executable, or the user's configuration folder).
    // desktop: file dialogs, clipboard and tray to use (null: the system's).
    explicit TMyform(Prompter* prompter = nullptr, const QString& settingsPath = QString(),
                     const Desktop* desktop = nullptr, QWidget* parent = nullptr);
    ~TMyform() override;

    Workspace& workspace() { return m_ws; }
    BuildRunner& buildRunner() { return *m_builder; }
    const QString& settingsPath() const { return m_settingsPath; }

    // The controls, under the names the rest of the program uses.
    QTabWidget* pcontrol1;
    QWidget* tscod;
    QWidget* tsdi;
    QWidget* Totch;
    QPlainTextEdit* Rekod;
    QHBoxLayout* editorRow; // the editor, and the routine queue's panel beside it
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QGroupBox* RadioGroup1;
    QRadioButton* RadioGroup1Item1;
    QRadioButton* RadioGroup1Item2;
    QPushButton* BitBtn5;
    QComboBox* ComboBox1;
    QListWidget* Clb1;
    QFrame* Panel1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    HelpPanel* Panel2;
    SettingsPanel* Panel3;
    CommentsGridView* DBGrid1;
    DbNavigator* DBNavigator1;
    QScrollArea* ScrollBox1;
    QWidget* diagramHost;
    DiagramView* Idiag1;
    PageMarkersView* pageMarkers; // List1..List12 over Idiag1
    ReportView* QuickRep1;        // the report on the "Печать" tab
    PrintController* printing;
    QTimer* Timer1;

    QMenu* fileMenu;
    QAction* Coed1;
    QAction* pas1;
    QAction* txt1;
    QAction* bmp1;
    QAction* bmp2;
    QAction* N14;
    QAction* N12;
    QAction* N2;
    QMenu* N23;
    QAction* N24;
    QAction* N25;
    QMenu* N26;
    QAction* N27;
    QAction* N28;
    QMenu* helpMenu;
    QAction* N11;
    QAction* schemaShortcut;
    QMenu* PopupMenu1;       // the diagram's popup menu
    QAction* N15;            // "Далее": the next part of a chart built in parts
    QAction* N4;             // "Печатать"

    // Text files and the editor's popup, the routine queue, picture files
    // and the tray: each a class of its own (UvexoriaIntake.cpp makes them).
    EditorFiles* editorFiles = nullptr;
    RoutineQueuePanel* queuePanel = nullptr;
    PictureFiles* pictureFiles = nullptr;
    TrayController* trayController = nullptr;

public slots:
    void BitBtn3Click();     // "Схема": the build pipeline
    void BitBtn4Click();     // "Выход"
    void BitBtn5Click();     // "Печать"
    void N2Click();          // "Файл" → "Выход"
    void N11Click();         // "О программе"
    void N14Click();         // "Настройки"
    void Button2Click();     // "Закрыть" on the settings panel
    void pcontrol1Change();  // the user selected a tab
    void Apas();             // fetch the next checked routine of the queue
    void N15Click();         // "Далее": draw the next part of a split chart

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildCodeTab();
    void buildDiagramTab();
    void buildMenus();
    void buildPrinting();
    void buildIntake(const Desktop& desktop);
    void FormCreate();
    void FormClose();
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
    // After a build: the picture into Idiag1, the diagram tab when there is one.
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
    void setTimerIntervalFromEani();
    // A tab switch made by the program: the tab rules do not run for it.
    void showTab(QWidget* page);
    void maximiseIfNormal();
    void setStateNormal();
    void placeOverlays();

    Prompter& prompter() { return *m_ws.prompter; }

    Workspace m_ws;
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
