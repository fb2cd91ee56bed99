// The window's intake and output of files: the editor's text files, the
// routine queue of a unit, the diagram's picture files, the tray and files
// dropped on the window. Each lives in a class of its own; this only makes
// them and connects them to the menus.
#include <QAction>

#include "app/AppIcon.h"
#include "app/CodeTab.h"
#include "app/DiagramTab.h"
#include "app/EditorFiles.h"
#include "app/FileDrop.h"
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

    m_editorFiles =
        new EditorFiles(*m_codeTab->editor(), m_ws, m_queueState, m_desktop->dialogs(), m_desktop->clipboard(), this);
    m_queuePanel = new RoutineQueuePanel(*m_editorFiles, m_ws, m_queueState, m_desktop->dialogs(), m_codeTab);
    m_queuePanel->addPopupItems(m_editorFiles->editorMenu);
    m_codeTab->placeRoutineQueue(m_queuePanel->routineList, m_queuePanel->routinePanel);
    m_queueChoice = m_queuePanel->queueChoice;
    connect(m_editorFiles, &EditorFiles::queueLeft, m_queuePanel, &RoutineQueuePanel::hideAll);

    m_pictureFiles = new PictureFiles(
        m_ws, m_state, m_desktop->dialogs(),
        [this] {
            m_diagramTab->refresh();
            showTab(WindowTab::Diagram);
        },
        this);
    m_pictureFiles->addPopupItems(m_diagramTab->menu());

    for (QAction* a :
         {m_actions.openText, m_actions.openUnit, m_actions.saveText, m_actions.openPicture, m_actions.savePicture})
        a->setEnabled(true);
    // What is opened into the editor shows on the code tab.
    connect(m_actions.openText, &QAction::triggered, m_editorFiles, [this] {
        selectTab(WindowTab::Code);
        m_editorFiles->openTextFile();
    });
    connect(m_actions.openUnit, &QAction::triggered, m_queuePanel, [this] {
        selectTab(WindowTab::Code);
        m_queuePanel->openUnitFile();
    });
    connect(m_actions.saveText, &QAction::triggered, m_editorFiles, &EditorFiles::saveTextFile);
    connect(m_actions.openPicture, &QAction::triggered, m_pictureFiles, &PictureFiles::openPictureFile);
    connect(m_actions.savePicture, &QAction::triggered, m_pictureFiles, &PictureFiles::savePictureFile);

    m_trayController = new TrayController(*this, m_desktop->tray(), *m_editorFiles, *m_queuePanel,
                                          *m_diagramTab->view(), *settingsPanel);
    new FileDrop(*this, *m_codeTab->editor(), *m_editorFiles, *m_queuePanel, *m_pictureFiles);
}

} // namespace vexoria
