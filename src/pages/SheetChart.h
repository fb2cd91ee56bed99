#pragma once
// The chart as the printed sheets show it, drawn straight onto the sheet at
// the device's own resolution: lines and text of a printer, a PDF or the
// preview come out as sharp as the device makes them, and a PDF keeps the
// text as text. A chart built here is drawn from its display list (with the
// break labels, comments and eraser strokes made on it); a picture opened
// from a file has no such list and is drawn from its pixels, smoothed.
//
// The two page images of a sheet hold the chart's left and right halves,
// 350 columns each, side by side.
#include <memory>

#include <QImage>
#include <QRectF>
#include <QSize>

#include "pages/PageBands.h"

class QPainter;

namespace vexoria {

class Diagram;
class DisplayList;

class SheetChart {
public:
    // drawing: the chart's calls; chart: its width and height, which clip
    // the drawing as the picture's edges do.
    SheetChart(std::shared_ptr<const DisplayList> drawing, QSize chart);
    // An opened picture.
    explicit SheetChart(const QImage& picture);

    // The diagram's chart: a copy of its drawing when a build made the
    // picture, else its picture. A later change of the diagram does not
    // change what was taken.
    static std::shared_ptr<const SheetChart> of(const Diagram& diagram);

    QSize size() const { return m_size; }

    // Paints one page of a paged print into the page images: the band's rows
    // at the images' top, stretched to band.rows rows as the pages are cut.
    // The painter is in report pixels.
    void paintBand(QPainter& p, const PageBand& band) const;
    // "Уместить на одном листе": the whole chart, made smaller by the same
    // factor across and down until it fits the images' height (never made
    // larger), and centred on them.
    void paintWhole(QPainter& p) const;

    // Where paintWhole puts the chart's left half on the sheet.
    QRectF wholeLeftHalf() const;

private:
    // Paints chart rows top..bottom of the half from column x0 into `into`
    // (report pixels), clipped to the page image `image`.
    void paintHalf(QPainter& p, int x0, int top, int bottom, const QRectF& into, const QRect& image) const;

    std::shared_ptr<const DisplayList> m_drawing;
    QImage m_picture;
    QSize m_size;
};

} // namespace vexoria
