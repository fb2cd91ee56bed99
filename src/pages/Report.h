#pragma once
// The printed report: one A4 portrait sheet per run, with a title band
// (the label QRLabel1) and a detail band that holds two page images side by
// side, the left and the right half of the diagram. The layout is in report
// pixels, 96 to the inch, the unit the band sizes were made in: the 718-pixel
// band is the 190 mm between the side margins.
#include <functional>
#include <memory>
#include <vector>

#include <QImage>
#include <QRect>
#include <QString>

#include "pages/PageBands.h"
#include "pages/PageMarkers.h"
#include "pages/SheetChart.h"
#include "platform/drawing/Diagram.h"

class QPagedPaintDevice;
class QPainter;

namespace vexoria {

namespace report {
// Margins of the sheet, in millimetres.
constexpr double kLeftMm = 10, kRightMm = 10, kTopMm = 5, kBottomMm = 5;
// Report pixels per inch.
constexpr double kDpi = 96;
constexpr int kBandWidth = 718;
constexpr int kTitleHeight = 22;         // QRBand1
constexpr QPoint kTitleAt{104, 2};       // QRLabel1 in the title band
constexpr int kTitlePixelSize = 13;      // 10 points at 96 to the inch
constexpr int kDetailTop = kTitleHeight; // QRBand2 follows the title band
constexpr int kDetailHeight = 1040;
constexpr int kImageWidth = 350; // QRImage1, QRImage2
constexpr int kImageHeight = 1040;
constexpr QRect kLeftImage{8, kDetailTop + 8, kImageWidth, kImageHeight};
constexpr QRect kRightImage{357, kDetailTop + 8, kImageWidth, kImageHeight};
// The page number on the right image.
constexpr QPoint kPageNumberAt{320, 1020};
} // namespace report

// What one sheet shows: a page of the chart, or the whole chart, in the two
// page images, and the page number written on the right one. The chart is
// drawn when the sheet is painted, at the device's resolution.
struct ReportSheet {
    std::shared_ptr<const SheetChart> chart; // none: the page images stay white
    PageBand band;                           // the rows of a paged sheet
    bool wholeChart = false;                 // "Уместить на одном листе"
    int pageNumber = 1;
};

struct Report {
    QString title; // the caption of QRLabel1
    std::vector<ReportSheet> sheets;
};

// "Блок-Схема", or what the classifier made of the routine's header (empty
// when it found none).
QString reportTitle(const QString& classifiedTitle);

// "Авто формат": one sheet per page, cut at the page markers; at most
// maxSheets sheets (0: all of them).
Report pagedReport(const Diagram& diagram, const PageMarkers& markers, const QString& classifiedTitle,
                   int maxSheets = 0);
// The number of pages a paged print has.
int pagedSheetCount(const Diagram& diagram, const PageMarkers& markers);

// "Уместить на одном листе": the whole diagram on one sheet, made smaller
// uniformly to fit and centred.
Report oneSheetReport(const Diagram& diagram, const QString& classifiedTitle);

// The sheets of a paged print of `chart`, and its one sheet.
ReportSheet pagedSheet(std::shared_ptr<const SheetChart> chart, const PageBand& band);
ReportSheet oneSheet(std::shared_ptr<const SheetChart> chart);

// Paints one sheet in report pixels, from the top-left corner of the area
// inside the margins; the painter is already scaled to report pixels.
void paintReportSheet(QPainter& painter, const QString& title, const ReportSheet& sheet);

// Sets A4 portrait and the report's margins on a printer or PDF writer
// (margins a printer cannot print are widened to what it can).
void setReportPageLayout(QPagedPaintDevice& device);

// Paints every sheet of the report onto the device, one page each, the page
// layout set beforehand. False, with *error set, when the device could not
// be painted on.
bool paintReport(QPagedPaintDevice& device, const Report& report, QString* error = nullptr);

// Writes the report as a PDF file through the program's one output writer.
bool writeReportPdf(const QString& path, const Report& report, QString* error = nullptr);

// The sheet of index 0, 1, … count - 1, made when it is painted.
using SheetMaker = std::function<ReportSheet(int index)>;

// As paintReport and writeReportPdf, for sheets made one at a time: only
// the sheet being painted is held. Running out of memory fails the print
// with *error set instead of ending the program.
bool paintSheets(QPagedPaintDevice& device, const QString& title, int count, const SheetMaker& sheet,
                 QString* error = nullptr);
bool writeSheetsPdf(const QString& path, const QString& title, int count, const SheetMaker& sheet,
                    QString* error = nullptr);

} // namespace vexoria
