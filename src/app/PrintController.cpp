#include "app/PrintController.h"

#include <QDir>
#include <QStandardPaths>

#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "app/QtPrintFacility.h"

namespace vexoria {

namespace {
// The report has twelve page markers to cut at; a longer chart is printed
// up to its twelfth page and then said so.
constexpr int kMaxSheets = 12;
const QString kTitle = QStringLiteral("Печать");
} // namespace

PrintController::PrintController(Workspace& ws, QWidget* window, Hooks hooks, QObject* parent)
    : QObject(parent), m_ws(ws), m_hooks(std::move(hooks)), m_own(std::make_unique<QtPrintFacility>(window)),
      m_facility(m_own.get())
{
}

PrintController::~PrintController() = default;

void PrintController::setFacility(PrintFacility* facility) { m_facility = facility ? facility : m_own.get(); }

void PrintController::printFromButton() { print(true); }

void PrintController::printFromMenu() { print(false); }

void PrintController::labelLines()
{
    if (!m_ws.diagram.hasPicture()) return;
    writeLabels();
    m_hooks.diagramChanged();
}

void PrintController::writeLabels()
{
    if (m_hooks.stopAnimation) m_hooks.stopAnimation();
    vexoria::labelLines(m_ws);
}

void PrintController::print(bool labels)
{
    if (!m_ws.diagram.hasPicture()) {
        m_ws.prompter->message(QStringLiteral("Нет Блок-схемы для печати"));
        return;
    }
    // A picture opened from a file comes without page markers of its own.
    if (m_ws.pageMarkers.placedForHeight() != m_ws.diagram.height()) placePageMarkers(m_ws);
    const QImage before = m_ws.diagram.image();
    const DisplayList drawnBefore = m_ws.diagram.drawing();
    if (labels && m_ws.settings.labelBreaks) writeLabels();
    m_hooks.diagramChanged();
    if (printReport() == Outcome::NotPrinted) {
        // Nothing was printed: the labels drawn for the print go again.
        m_ws.diagram.image() = before;
        m_ws.diagram.drawing() = drawnBefore;
        m_hooks.diagramChanged();
    }
}

PrintController::Outcome PrintController::printReport()
{
    if (m_hooks.oneSheet()) {
        m_report = oneSheetReport(m_ws.diagram, m_ws.reportTitle);
        emit reportChanged();
        // Printing from the preview is the preview's own business.
        m_facility->preview(m_report);
        m_hooks.afterPreview();
        return Outcome::Printed;
    }
    // The "Печать" tab shows the sheets of the chart on show while the
    // page count is asked, not those of the last print.
    m_report = pagedReport(m_ws.diagram, m_ws.pageMarkers, m_ws.reportTitle, kMaxSheets);
    emit reportChanged();
    const int pages = pagedSheetCount(m_ws.diagram, m_ws.pageMarkers);
    const Answer go =
        m_ws.prompter->question(kTitle, QStringLiteral("Всего %1 страниц").arg(pages), Buttons::YesNo, Icon::Question);
    if (go != Answer::Yes) return Outcome::NotPrinted;
    if (!m_facility->hasPrinter()) return writePdfInstead(pages);
    // The printer's settings change only when the dialog is confirmed; the
    // print goes on either way.
    if (m_ws.settings.choosePrinter) m_facility->setupDialog();
    return printPages(pages);
}

PrintController::Outcome PrintController::printPages(int pages)
{
    QString error;
    if (!m_facility->print(m_report, &error)) {
        m_ws.prompter->message(QStringLiteral("Печать не удалась. %1").arg(error));
        return Outcome::NotPrinted;
    }
    if (pages > kMaxSheets) m_ws.prompter->message(QStringLiteral("Нет печати более 12 страниц"));
    return Outcome::Printed;
}

PrintController::Outcome PrintController::writePdfInstead(int pages)
{
    const Answer pdf =
        m_ws.prompter->question(kTitle, QStringLiteral("Принтер не установлен. Сохранить страницы в файл PDF?"),
                                Buttons::YesNo, Icon::Question);
    if (pdf != Answer::Yes) return Outcome::NotPrinted;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = m_facility->pdfPath(QDir(folder).filePath(QStringLiteral("Блок-схема.pdf")));
    if (path.isEmpty()) return Outcome::NotPrinted;
    QString error;
    if (!writeReportPdf(path, m_report, &error)) {
        m_ws.prompter->message(QStringLiteral("Не удалось сохранить PDF: %1").arg(error));
        return Outcome::NotPrinted;
    }
    if (pages > kMaxSheets) m_ws.prompter->message(QStringLiteral("Нет печати более 12 страниц"));
    return Outcome::Printed;
}

} // namespace vexoria
