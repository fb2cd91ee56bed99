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
#include "app/Uvexoria.h"

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

void TMyform::buildPrinting()
{
    pageMarkers = new PageMarkersView(m_ws, Idiag1, diagramHost, this);
    QuickRep1 = new ReportView(Totch);

    PrintController::Hooks hooks;
    hooks.oneSheet = [this] { return RadioGroup1Item1->isChecked(); };
    hooks.diagramChanged = [this] {
        Idiag1->refresh();
        pageMarkers->sync();
    };
    // QuickRep1AfterPreview: back to the code, the window at its normal size.
    hooks.afterPreview = [this] {
        showTab(tscod);
        setStateNormal();
    };
    printing = new PrintController(m_ws, this, std::move(hooks), this);
    connect(printing, &PrintController::reportChanged, this, [this] { QuickRep1->setReport(printing->report()); });

    N4 = PopupMenu1->addAction(QStringLiteral("Печатать"));
    N4->setObjectName(QStringLiteral("N4"));
    connect(N4, &QAction::triggered, this, &TMyform::BitBtn5Click);
    connect(N12, &QAction::triggered, this, [this] {
        syncSettingsFromControls();
        guarded(prompter(), [this] { printing->N12Click(); });
    });
    connect(N24, &QAction::triggered, this, [this] { pageMarkers->N24Click(); });
    connect(N25, &QAction::triggered, this, [this] { guarded(prompter(), [this] { printing->N25Click(); }); });
}

void TMyform::BitBtn5Click()
{
    syncSettingsFromControls();
    guarded(prompter(), [this] { printing->BitBtn5Click(); });
}

} // namespace vexoria
