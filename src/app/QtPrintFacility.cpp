#include "app/QtPrintFacility.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include "pages/Report.h"

namespace vexoria {

QtPrintFacility::QtPrintFacility(QWidget* parent) : m_parent(parent) {}

QtPrintFacility::~QtPrintFacility() = default;

QPrinter& QtPrintFacility::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a printer the preview's own print button writes a PDF.
        if (!hasPrinter()) m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setDocName(QStringLiteral("Блок-Схема"));
        m_printer->setCreator(QStringLiteral("Vexoria"));
        setReportPageLayout(*m_printer);
    }
    return *m_printer;
}

bool QtPrintFacility::hasPrinter() { return !QPrinterInfo::availablePrinters().isEmpty(); }

void QtPrintFacility::setupDialog()
{
    QPrintDialog dialog(&printer(), m_parent);
    dialog.setWindowTitle(QStringLiteral("Печать"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintShowPageSize);
    dialog.exec();
}

bool QtPrintFacility::print(const Report& report, QString* error)
{
    QPrinter& p = printer();
    Report chosen{report.title, {}};
    const bool range = p.printRange() == QPrinter::PageRange && p.fromPage() > 0;
    for (const ReportSheet& s : report.sheets)
        if (!range || (s.pageNumber >= p.fromPage() && s.pageNumber <= p.toPage())) chosen.sheets.push_back(s);
    if (chosen.sheets.empty()) return true;
    if (!paintReport(p, chosen)) {
        if (error)
            *error = p.printerName().isEmpty() ? QStringLiteral("Принтер не принял задание")
                                               : QStringLiteral("Принтер «%1» не принял задание").arg(p.printerName());
        return false;
    }
    return true;
}

void QtPrintFacility::preview(const Report& report)
{
    QPrintPreviewDialog dialog(&printer(), m_parent);
    dialog.setWindowTitle(QStringLiteral("Предварительный просмотр"));
    // The sheet is shown large enough to be read: the preview takes most of
    // the screen, as a report preview window does.
    if (const QScreen* screen = m_parent ? m_parent->screen() : QGuiApplication::primaryScreen())
        dialog.resize(screen->availableGeometry().size() * 0.85);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter* target) { paintReport(*target, report); });
    dialog.exec();
}

QString QtPrintFacility::pdfPath(const QString& suggested)
{
    QString path = QFileDialog::getSaveFileName(m_parent, QStringLiteral("Сохранить страницы в PDF"), suggested,
                                                QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    return path;
}

} // namespace vexoria
