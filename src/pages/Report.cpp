#include "pages/Report.h"

#include <algorithm>

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "pages/PageBands.h"
#include "platform/drawing/DiagramFont.h"
#include "platform/files/OutputFile.h"

namespace vexoria {

namespace {

void frameLine(QPainter& p, int x1, int x2, int y) { p.drawLine(QPoint(x1, y), QPoint(x2, y)); }

} // namespace

QString reportTitle(const QString& classifiedTitle)
{
    return classifiedTitle.isEmpty() ? QStringLiteral("Блок-Схема") : classifiedTitle;
}

ReportSheet pagedSheet(std::shared_ptr<const SheetChart> chart, const PageBand& band)
{
    ReportSheet s;
    s.chart = std::move(chart);
    s.band = band;
    s.pageNumber = band.page;
    return s;
}

ReportSheet oneSheet(std::shared_ptr<const SheetChart> chart)
{
    ReportSheet s;
    s.chart = std::move(chart);
    s.wholeChart = true;
    return s;
}

int pagedSheetCount(const Diagram& diagram, const PageMarkers& markers)
{
    return static_cast<int>(pageEnds(markers, diagram.height()).size());
}

Report pagedReport(const Diagram& diagram, const PageMarkers& markers, const QString& classifiedTitle, int maxSheets)
{
    Report r;
    r.title = reportTitle(classifiedTitle);
    if (!diagram.hasPicture()) return r;
    // Every sheet draws from the one copy of the chart.
    const std::shared_ptr<const SheetChart> chart = SheetChart::of(diagram);
    for (const PageBand& b : pageBands(markers, diagram.height())) {
        if (maxSheets > 0 && b.page > maxSheets) break;
        r.sheets.push_back(pagedSheet(chart, b));
    }
    return r;
}

Report oneSheetReport(const Diagram& diagram, const QString& classifiedTitle)
{
    Report r;
    r.title = reportTitle(classifiedTitle);
    r.sheets.push_back(diagram.hasPicture() && diagram.height() > 0 ? oneSheet(SheetChart::of(diagram))
                                                                    : ReportSheet{});
    return r;
}

void paintReportSheet(QPainter& p, const QString& title, const ReportSheet& sheet)
{
    using namespace report;
    p.save();
    p.fillRect(QRect(0, 0, kBandWidth, kLeftImage.bottom() + 2), Qt::white);
    p.setPen(QPen(Qt::black, 1));

    QFont titleFont = diagramFont();
    titleFont.setPixelSize(kTitlePixelSize);
    p.setFont(titleFont);
    p.drawText(QPointF(kTitleAt.x(), kTitleAt.y() + QFontMetricsF(titleFont).ascent()), title);

    frameLine(p, 0, kBandWidth - 1, kDetailTop);
    if (sheet.chart) {
        if (sheet.wholeChart) sheet.chart->paintWhole(p);
        else sheet.chart->paintBand(p, sheet.band);
    }
    p.setPen(QPen(Qt::black, 1));
    // The frames run just under the images, so they hide none of their rows.
    frameLine(p, kLeftImage.left(), kLeftImage.right(), kLeftImage.bottom() + 1);
    frameLine(p, kRightImage.left(), kRightImage.right(), kRightImage.bottom() + 1);

    // The page number is written over the right image as on the diagram: an
    // opaque white box in the diagram's font.
    const QString number = QString::number(sheet.pageNumber);
    const QFontMetricsF fm(diagramFont());
    const QPointF at = kRightImage.topLeft() + kPageNumberAt;
    p.fillRect(QRectF(at, QSizeF(fm.horizontalAdvance(number), fm.height())), Qt::white);
    p.setFont(diagramFont());
    p.drawText(at + QPointF(0, fm.ascent()), number);
    p.restore();
}

void setReportPageLayout(QPagedPaintDevice& device)
{
    using namespace report;
    const QMarginsF margins(kLeftMm, kTopMm, kRightMm, kBottomMm);
    const QPageLayout wanted(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter);
    if (device.setPageLayout(wanted)) return;
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    const QMarginsF least = device.pageLayout().minimumMargins();
    device.setPageMargins(QMarginsF(qMax(margins.left(), least.left()), qMax(margins.top(), least.top()),
                                    qMax(margins.right(), least.right()), qMax(margins.bottom(), least.bottom())),
                          QPageLayout::Millimeter);
}

bool paintReport(QPagedPaintDevice& device, const Report& report, QString* error)
{
    return paintSheets(
        device, report.title, static_cast<int>(report.sheets.size()),
        [&report](int i) { return report.sheets[static_cast<std::size_t>(i)]; }, error);
}

namespace {

bool paintEverySheet(QPainter& p, QPagedPaintDevice& device, const QString& title, int count, const SheetMaker& sheet,
                     QString* error)
{
    // Report pixels are 1/96 inch. A paper smaller than A4, chosen in the
    // printer's dialog, gets the sheet scaled down to fit.
    const double sx = device.logicalDpiX() / report::kDpi;
    const double sy = device.logicalDpiY() / report::kDpi;
    const double fit = std::min(
        {1.0, device.width() / (sx * report::kBandWidth), device.height() / (sy * (report::kLeftImage.bottom() + 2))});
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage()) {
            if (error) *error = QStringLiteral("the printer refused a new page");
            return false;
        }
        p.resetTransform();
        p.scale(sx * fit, sy * fit);
        paintReportSheet(p, title, sheet(i));
    }
    return true;
}

} // namespace

bool paintSheets(QPagedPaintDevice& device, const QString& title, int count, const SheetMaker& sheet, QString* error)
{
    // On the heap: when memory runs out, the painter is left as it is. Its
    // destructor would end the job, which needs memory too, and an
    // exception thrown there ends the program.
    auto* p = new QPainter;
    if (!p->begin(&device)) {
        delete p;
        if (error) *error = QStringLiteral("the printer could not be opened");
        return false;
    }
    bool painted = false;
    try {
        painted = paintEverySheet(*p, device, title, count, sheet, error);
    } catch (const std::bad_alloc&) {
        if (error) *error = QStringLiteral("not enough memory");
        return false;
    }
    const bool ended = p->end();
    delete p;
    if (painted && !ended && error) *error = QStringLiteral("the printer could not finish the job");
    return painted && ended;
}

static void setReportPdfInfo(QPdfWriter& writer, const QString& title)
{
    writer.setCreator(QStringLiteral("Vexoria"));
    writer.setTitle(title);
    setReportPageLayout(writer);
}

bool writeSheetsPdf(const QString& path, const QString& title, int count, const SheetMaker& sheet, QString* error)
{
    // The PDF is made in memory and written whole: a failed print leaves no
    // cut-off file. Its pages are drawings, small beside pictures of them.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        setReportPdfInfo(writer, title);
        QString reason;
        if (!paintSheets(writer, title, count, sheet, &reason)) {
            if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, reason);
            return false;
        }
    }
    return writeOutputBytes(path, bytes, error);
}

bool writeReportPdf(const QString& path, const Report& report, QString* error)
{
    return writeSheetsPdf(
        path, report.title, static_cast<int>(report.sheets.size()),
        [&report](int i) { return report.sheets[static_cast<std::size_t>(i)]; }, error);
}

} // namespace vexoria
