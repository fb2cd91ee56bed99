#pragma once
// What tests see of a main window beyond its commands: its tabs, panels,
// menus and the classes that work its files, printing and tray, under the
// names the window gives them. The program itself goes through the
// window's actions and commands instead.
class QComboBox;
class QFrame;
class QGroupBox;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QTimer;
class QWidget;

namespace vexoria {

class ChartLinks;
class CodeTab;
class CommentsGridView;
class DiagramFind;
class DiagramTab;
class DiagramView;
class EditorFiles;
class GridNavigator;
class HelpPanel;
class MainWindow;
class PageMarkersView;
class PictureFiles;
class PrintController;
class PrintTab;
class ReportView;
class RoutineQueuePanel;
class SettingsPanel;
class SideBySide;
class TrayController;

class MainWindowProbe {
public:
    explicit MainWindowProbe(MainWindow& window) : m_w(window) {}

    QTabWidget* tabs() const;
    CodeTab* codeTab() const;
    DiagramTab* diagramTab() const;
    PrintTab* printTab() const;

    // The code tab.
    QPlainTextEdit* codeEditor() const;
    QPushButton* chartButton() const;
    QPushButton* exitButton() const;
    QGroupBox* printLayoutGroup() const;
    QRadioButton* oneSheetButton() const;
    QRadioButton* pagedButton() const;
    QPushButton* printButton() const;
    QComboBox* debugTableChoice() const;
    CommentsGridView* commentsGrid() const;
    GridNavigator* gridNavigator() const;
    HelpPanel* helpPanel() const;
    SettingsPanel* settingsPanel() const;
    QListWidget* routineList() const;
    QFrame* routinePanel() const;
    QRadioButton* buildAtOnceButton() const;
    QRadioButton* previewButton() const;

    // The diagram and print tabs.
    QScrollArea* diagramScroll() const;
    QWidget* diagramHost() const;
    DiagramView* diagramView() const;
    PageMarkersView* pageMarkers() const;
    QMenu* diagramMenu() const;
    ReportView* reportView() const;

    QMenu* fileMenu() const;
    QMenu* chartMenu() const;
    QMenu* animationMenu() const;
    QMenu* helpMenu() const;
    QTimer* animationTimer() const;

    EditorFiles* editorFiles() const;
    RoutineQueuePanel* queuePanel() const;
    PictureFiles* pictureFiles() const;
    PrintController* printing() const;
    TrayController* trayController() const;

    // The code and the chart side by side, pointing at each other, and find.
    SideBySide* sideBySide() const;
    ChartLinks* chartLinks() const;
    DiagramFind* diagramFind() const;

private:
    MainWindow& m_w;
};

} // namespace vexoria
