#pragma once
// The chart as a vector picture: SVG, or PDF (one page, Qt's PDF writer).
// The drawing is the one the stages made on a DisplayList, replayed on an
// SvgCanvas or on a PainterCanvas over the PDF page, so every shape and text
// is where the bitmap has it; text stays text, in the diagram font
// (selectable and searchable). No picture is allocated, so a vector chart
// has no length cap.
//
// Sizes: the SVG is as many CSS pixels as the chart has pixels. The PDF page
// has the chart's own proportions: a chart pixel is 0.75 pt (a pixel at
// 96 dpi, as the SVG), unless the page would then be taller than 14,400 pt
// (200 inches, the largest page PDF readers must show): a longer chart is
// scaled down as a whole to that height.
#include <QIODevice>
#include <QSize>
#include <QSizeF>
#include <QString>

namespace vexoria {

class Diagram;
class DisplayList;

enum class VectorFormat { Svg, Pdf };

// The page of a PDF chart of `chart` pixels, in points.
QSizeF pdfPageSize(QSize chart);

// Draws the chart into an open device; false when it could not be drawn.
bool paintVectorChart(const DisplayList& drawing, QSize chart, VectorFormat format, QIODevice& device,
                      const QString& title = {});

// Writes the drawing as a chart of `chart` pixels to path (through the one
// output writer). `title` names the document. False, with *error set to one
// line naming the file, when it cannot be written.
bool writeVectorChart(const DisplayList& drawing, QSize chart, VectorFormat format, const QString& path,
                      const QString& title, QString* error = nullptr);

// The diagram's picture as a vector chart, from the calls it was drawn with
// (Diagram::drawing()). False with *error set when there is no picture, when
// it was not drawn by a build (a picture opened from a file) or when the
// file cannot be written.
bool writeDiagramAsVector(const Diagram& diagram, VectorFormat format, const QString& path, const QString& title,
                          QString* error = nullptr);

} // namespace vexoria
