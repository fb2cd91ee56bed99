#include "app/MainWindowProbe.h"

#include "app/CodeTab.h"
#include "app/DiagramTab.h"
#include "app/MainWindow.h"
#include "app/PrintTab.h"
#include "app/RoutineQueuePanel.h"

namespace vexoria {

QTabWidget* MainWindowProbe::tabs() const { return m_w.m_tabs; }
CodeTab* MainWindowProbe::codeTab() const { return m_w.m_codeTab; }
DiagramTab* MainWindowProbe::diagramTab() const { return m_w.m_diagramTab; }
PrintTab* MainWindowProbe::printTab() const { return m_w.m_printTab; }

QPlainTextEdit* MainWindowProbe::codeEditor() const { return m_w.m_codeTab->editor(); }
QPushButton* MainWindowProbe::chartButton() const { return m_w.m_codeTab->chartButton(); }
QPushButton* MainWindowProbe::exitButton() const { return m_w.m_codeTab->exitButton(); }
QGroupBox* MainWindowProbe::printLayoutGroup() const { return m_w.m_codeTab->printLayoutGroup(); }
QRadioButton* MainWindowProbe::oneSheetButton() const { return m_w.m_codeTab->oneSheetButton(); }
QRadioButton* MainWindowProbe::pagedButton() const { return m_w.m_codeTab->pagedButton(); }
QPushButton* MainWindowProbe::printButton() const { return m_w.m_codeTab->printButton(); }
QComboBox* MainWindowProbe::debugTableChoice() const { return m_w.m_codeTab->debugTableChoice(); }
CommentsGridView* MainWindowProbe::commentsGrid() const { return m_w.m_codeTab->commentsGrid(); }
GridNavigator* MainWindowProbe::gridNavigator() const { return m_w.m_codeTab->gridNavigator(); }
HelpPanel* MainWindowProbe::helpPanel() const { return m_w.m_codeTab->helpPanel(); }
SettingsPanel* MainWindowProbe::settingsPanel() const { return m_w.settingsPanel; }
QListWidget* MainWindowProbe::routineList() const { return m_w.m_codeTab->routineList(); }
QFrame* MainWindowProbe::routinePanel() const { return m_w.m_codeTab->routinePanel(); }
QRadioButton* MainWindowProbe::buildAtOnceButton() const { return m_w.m_queuePanel->buildAtOnceButton; }
QRadioButton* MainWindowProbe::previewButton() const { return m_w.m_queuePanel->previewButton; }

QScrollArea* MainWindowProbe::diagramScroll() const { return m_w.m_diagramTab->scrollArea(); }
QWidget* MainWindowProbe::diagramHost() const { return m_w.m_diagramTab->host(); }
DiagramView* MainWindowProbe::diagramView() const { return m_w.m_diagramTab->view(); }
PageMarkersView* MainWindowProbe::pageMarkers() const { return m_w.m_diagramTab->pageMarkers(); }
QMenu* MainWindowProbe::diagramMenu() const { return m_w.m_diagramTab->menu(); }
ReportView* MainWindowProbe::reportView() const { return m_w.m_printTab->reportView(); }

QMenu* MainWindowProbe::fileMenu() const { return m_w.m_fileMenu; }
QMenu* MainWindowProbe::chartMenu() const { return m_w.m_chartMenu; }
QMenu* MainWindowProbe::animationMenu() const { return m_w.m_animationMenu; }
QMenu* MainWindowProbe::helpMenu() const { return m_w.m_helpMenu; }
QTimer* MainWindowProbe::animationTimer() const { return m_w.m_animationTimer; }

EditorFiles* MainWindowProbe::editorFiles() const { return m_w.m_editorFiles; }
RoutineQueuePanel* MainWindowProbe::queuePanel() const { return m_w.m_queuePanel; }
PictureFiles* MainWindowProbe::pictureFiles() const { return m_w.m_pictureFiles; }
PrintController* MainWindowProbe::printing() const { return m_w.m_printing; }
TrayController* MainWindowProbe::trayController() const { return m_w.m_trayController; }

SideBySide* MainWindowProbe::sideBySide() const { return m_w.m_sideBySide; }
ChartLinks* MainWindowProbe::chartLinks() const { return m_w.m_links; }
DiagramFind* MainWindowProbe::diagramFind() const { return m_w.m_find; }

} // namespace vexoria
