// The window's pages and printing: the page markers over the diagram, the
// report on the "Печать" tab and the commands that print or label the chart.
#include <exception>

#include <QAction>
#include <QMenu>

#include "app/CodeTab.h"
#include "app/DiagramTab.h"
#include "app/DiagramView.h"
#include "app/MainWindow.h"
#include "app/PageMarkersView.h"
#include "app/PrintController.h"
#include "app/PrintTab.h"

namespace vexoria {

namespace {

// A print that fails on the way (memory) ends with a message, not with the
// program.
template <class F>
void guarded(Prompter& prompter, F&& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        prompter.message(QStringLiteral("Печать не удалась. %1").arg(QString::fromLocal8Bit(e.what())));
    }
}

} // namespace

void MainWindow::buildPrinting()
{
    PrintController::Hooks hooks;
    hooks.oneSheet = [this] { return m_codeTab->oneSheetChosen(); };
    hooks.diagramChanged = [this] {
        m_diagramTab->view()->refresh();
        m_diagramTab->pageMarkers()->sync();
    };
    // QuickRep1AfterPreview: back to the code, the window at its normal size.
    hooks.afterPreview = [this] {
        showTab(WindowTab::Code);
        setStateNormal();
    };
    hooks.stopAnimation = [this] { m_state.animationOn = false; };
    m_printing = new PrintController(m_ws, this, std::move(hooks), this);
    connect(m_printing, &PrintController::reportChanged, this,
            [this] { m_printTab->showReport(m_printing->report()); });

    m_actions.printChart = m_diagramTab->menu()->addAction(QStringLiteral("Печатать"));
    m_actions.printChart->setObjectName(QStringLiteral("N4"));
    connect(m_actions.printChart, &QAction::triggered, this, &MainWindow::printFromButton);
    connect(m_actions.print, &QAction::triggered, this, [this] {
        syncSettingsFromControls();
        guarded(prompter(), [this] { m_printing->printFromMenu(); });
    });
    connect(m_actions.pageMarkers, &QAction::triggered, this,
            [this] { m_diagramTab->pageMarkers()->showPageMarkers(); });
    connect(m_actions.labelLines, &QAction::triggered, this,
            [this] { guarded(prompter(), [this] { m_printing->labelLines(); }); });
}

void MainWindow::printFromButton()
{
    syncSettingsFromControls();
    guarded(prompter(), [this] { m_printing->printFromButton(); });
}

} // namespace vexoria
