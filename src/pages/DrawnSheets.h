#pragma once
// The printed sheets drawn from the chart's display list instead of its
// picture, one sheet at a time: a print then never holds a picture of the
// whole chart, nor all its sheets, however long the chart is. A sheet
// comes out as the one cut from the picture (Report.h) would.
#include <vector>

#include <QSize>

#include "pages/PageBands.h"
#include "pages/Report.h"

namespace vexoria {

class DisplayList;

class DrawnSheets {
public:
    // chart: the diagram's width and height, which clip the drawing as the
    // picture's edges do.
    DrawnSheets(const DisplayList& drawing, QSize chart) : m_drawing(drawing), m_chart(chart) {}

    // One sheet of a paged print: its two halves as bandPicture cuts them
    // from the picture.
    ReportSheet pagedSheet(const PageBand& band) const;
    // "Уместить на одном листе": the whole chart on one sheet. A chart taller
    // than kMaxSqueezedRows is drawn into that many rows, smoothed, before it
    // is squeezed onto the sheet: far more rows than a printer has there.
    ReportSheet oneSheet() const;

    static constexpr int kMaxSqueezedRows = 8 * report::kImageHeight;

private:
    // Rows top..bottom of both halves, at full size. The drawing is moved
    // up to them, never sideways: a curve moved by other than whole rows
    // could fall on other pixels than on the picture.
    QImage rows(int top, int bottom) const;
    // Both halves of the whole chart in `height` rows.
    QImage squeezed(int height) const;

    const DisplayList& m_drawing;
    QSize m_chart;
};

} // namespace vexoria
