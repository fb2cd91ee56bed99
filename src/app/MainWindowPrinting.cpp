// The window's pages and printing: the page markers over the diagram, the
// report on the "Печать" tab and the commands that print or label the chart.
#include <exception>

#include <QAction>
#include <QMenu>
#include <QRadioButton>

#include "app/DiagramView.h"
#include "app/PageMarkersView.h"
#include "app/PrintController.h"
#include "app/ReportView.h"
#include "app/MainWindow.h"

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
    pageMarkers = new PageMarkersView(m_ws, m_state, diagramView, diagramHost, this);
    reportView = new ReportView(printTab);

    PrintController::Hooks hooks;
    hooks.oneSheet = [this] { return oneSheetButton->isChecked(); };
    hooks.diagramChanged = [this] {
        diagramView->refresh();
        pageMarkers->sync();
    };
    // QuickRep1AfterPreview: back to the code, the window at its normal size.
    hooks.afterPreview = [this] {
        showTab(codeTab);
        setStateNormal();
    };
    hooks.stopAnimation = [this] { m_state.animationOn = false; };
    printing = new PrintController(m_ws, this, std::move(hooks), this);
    connect(printing, &PrintController::reportChanged, this, [this] { reportView->setReport(printing->report()); });

    printChartAction = diagramMenu->addAction(QStringLiteral("Печатать"));
    printChartAction->setObjectName(QStringLiteral("N4"));
    connect(printChartAction, &QAction::triggered, this, &MainWindow::printFromButton);
    connect(printAction, &QAction::triggered, this, [this] {
        syncSettingsFromControls();
        guarded(prompter(), [this] { printing->printFromMenu(); });
    });
    connect(pageMarkersAction, &QAction::triggered, this, [this] { pageMarkers->showPageMarkers(); });
    connect(labelLinesAction, &QAction::triggered, this, [this] { guarded(prompter(), [this] { printing->labelLines(); }); });
}

void MainWindow::printFromButton()
{
    syncSettingsFromControls();
    guarded(prompter(), [this] { printing->printFromButton(); });
}

} // namespace vexoria
