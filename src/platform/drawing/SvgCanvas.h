#pragma once
// A canvas that writes the chart as SVG elements, fast enough that an SVG
// chart costs about what its layout costs (Qt's SVG generator formats every
// number through a locale-aware text stream and opens a new group with every
// attribute for each change of pen, brush or font: fifteen times the cost of
// the layout on a long chart).
//
// The geometry is the bitmap's, with the conventions of CanvasPainting.h:
// rectangles leave out their right and bottom edge, a one-pixel pen has flat
// ends, a wider one round ends and joins, dashes are 18/6 and dots 3/3 pen
// widths, text is opaque (its cell filled with the brush) and black, in the
// diagram font. The caller puts the elements in a document (VectorChart.h).
#include <cstddef>

#include <QByteArray>
#include <QHash>
#include <QString>

#include "platform/drawing/Canvas.h"

namespace vexoria {

class SvgCanvas : public DeferredPenCanvas {
public:
    SvgCanvas();

    // The elements drawn so far, in groups of one pen and brush each; the
    // canvas is empty afterwards.
    QByteArray takeElements();
    // Makes room for the elements of `items` drawing calls at once: grown
    // step by step, the text of a long chart is copied over and over.
    void reserve(std::size_t items);

    void polygon(const std::vector<QPoint>& points) override;
    void polyline(const std::vector<QPoint>& points) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void roundRect(int x1, int y1, int x2, int y2, int w, int h) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) const override;

private:
    // Opens a group for the current pen and brush when they changed.
    void style();
    void number(int n);
    void number(double n);
    void colour(Colour c);
    void points(const std::vector<QPoint>& points);
    void rect(int x, int y, int w, int h);

    // Widths of the texts written so far: a chart repeats its labels.
    int cellWidth(const QString& text);

    QByteArray m_out;
    QHash<QString, int> m_widths;
    bool m_inGroup = false;
};

// The text as an XML text node: markup characters escaped, characters XML
// cannot hold replaced by U+FFFD.
QByteArray xmlText(const QString& text);
void appendXmlText(QByteArray& out, const QString& text);

} // namespace vexoria
