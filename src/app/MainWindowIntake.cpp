// The window's intake and output of files: the editor's text files, the
// routine queue of a unit, the diagram's picture files, the tray and files
// dropped on the window. Each lives in a class of its own; this only makes
// them and connects them to the menus.
#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "app/AppIcon.h"
#include "app/CommentsGrid.h"
#include "app/DiagramView.h"
#include "app/EditorFiles.h"
#include "app/FileDrop.h"
#include "app/PageMarkersView.h"
#include "app/PictureFiles.h"
#include "app/RoutineQueuePanel.h"
#include "app/TrayController.h"
#include "app/MainWindow.h"
#include "platform/widgets/Desktop.h"

namespace vexoria {

void MainWindow::buildIntake(const Desktop& desktop)
{
    m_desktop = std::make_unique<DesktopServices>(desktop, this);
    setWindowIcon(programIcon());

    editorFiles = new EditorFiles(*codeEditor, m_ws, m_queueState, m_desktop->dialogs(), m_desktop->clipboard(), this);
    queuePanel = new RoutineQueuePanel(*editorFiles, m_ws, m_queueState, m_desktop->dialogs(), codeTab);
    queuePanel->addPopupItems(editorFiles->editorMenu);
    // The list and its panel lie under the grid and the help and settings panels.
    queuePanel->routineList->stackUnder(commentsGrid);
    queuePanel->routinePanel->stackUnder(commentsGrid);
    routineList = queuePanel->routineList;
    routinePanel = queuePanel->routinePanel;
    editorRow->addWidget(routinePanel, 0, Qt::AlignTop);
    buildAtOnceButton = queuePanel->buildAtOnceButton;
    previewButton = queuePanel->previewButton;
    m_queueChoice = queuePanel->queueChoice;
    connect(editorFiles, &EditorFiles::queueLeft, queuePanel, &RoutineQueuePanel::hideAll);

    pictureFiles = new PictureFiles(m_ws, m_state, m_desktop->dialogs(), [this] {
        diagramView->refresh();
        diagramHost->resize(diagramView->geometry().right() + 1, diagramView->geometry().bottom() + 1);
        pageMarkers->sync();
        showTab(diagramTab);
    }, this);
    pictureFiles->addPopupItems(diagramMenu);

    for (QAction* a : {openTextAction, openUnitAction, saveTextAction, openPictureAction, savePictureAction}) a->setEnabled(true);
    // What is opened into the editor shows on the code tab.
    connect(openTextAction, &QAction::triggered, editorFiles, [this] {
        tabs->setCurrentWidget(codeTab);
        editorFiles->openTextFile();
    });
    connect(openUnitAction, &QAction::triggered, queuePanel, [this] {
        tabs->setCurrentWidget(codeTab);
        queuePanel->openUnitFile();
    });
    connect(saveTextAction, &QAction::triggered, editorFiles, &EditorFiles::saveTextFile);
    connect(openPictureAction, &QAction::triggered, pictureFiles, &PictureFiles::openPictureFile);
    connect(savePictureAction, &QAction::triggered, pictureFiles, &PictureFiles::savePictureFile);

    trayController = new TrayController(*this, m_desktop->tray(), *editorFiles, *queuePanel);
    new FileDrop(*this);
}

} // namespace vexoria
