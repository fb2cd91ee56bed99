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
#include "app/Uvexoria.h"
#include "platform/widgets/Desktop.h"

namespace vexoria {

void TMyform::buildIntake(const Desktop& desktop)
{
    m_desktop = std::make_unique<DesktopServices>(desktop, this);
    setWindowIcon(programIcon());

    editorFiles = new EditorFiles(*Rekod, m_ws, m_desktop->dialogs(), m_desktop->clipboard(), this);
    queuePanel = new RoutineQueuePanel(*editorFiles, m_ws, m_desktop->dialogs(), tscod);
    queuePanel->addPopupItems(editorFiles->PopupMenu3);
    // The list and its panel lie under the grid and the help and settings panels.
    queuePanel->Clb1->stackUnder(DBGrid1);
    queuePanel->Panel1->stackUnder(DBGrid1);
    Clb1 = queuePanel->Clb1;
    Panel1 = queuePanel->Panel1;
    editorRow->addWidget(Panel1, 0, Qt::AlignTop);
    RadioButton1 = queuePanel->RadioButton1;
    RadioButton2 = queuePanel->RadioButton2;
    m_queueChoice = queuePanel->queueChoice;
    connect(editorFiles, &EditorFiles::queueLeft, queuePanel, &RoutineQueuePanel::hideAll);

    pictureFiles = new PictureFiles(m_ws, m_desktop->dialogs(), [this] {
        Idiag1->refresh();
        diagramHost->resize(Idiag1->geometry().right() + 1, Idiag1->geometry().bottom() + 1);
        pageMarkers->sync();
        showTab(tsdi);
    }, this);
    pictureFiles->addPopupItems(PopupMenu1);

    for (QAction* a : {Coed1, pas1, txt1, bmp1, bmp2}) a->setEnabled(true);
    // What is opened into the editor shows on the code tab.
    connect(Coed1, &QAction::triggered, editorFiles, [this] {
        pcontrol1->setCurrentWidget(tscod);
        editorFiles->Coed1Click();
    });
    connect(pas1, &QAction::triggered, queuePanel, [this] {
        pcontrol1->setCurrentWidget(tscod);
        queuePanel->pas1Click();
    });
    connect(txt1, &QAction::triggered, editorFiles, &EditorFiles::txt1Click);
    connect(bmp1, &QAction::triggered, pictureFiles, &PictureFiles::bmp1Click);
    connect(bmp2, &QAction::triggered, pictureFiles, &PictureFiles::bmp2Click);

    trayController = new TrayController(*this, m_desktop->tray(), *editorFiles, *queuePanel);
    new FileDrop(*this);
}

} // namespace vexoria
