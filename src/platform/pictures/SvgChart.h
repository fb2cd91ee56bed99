#pragma once
// The chart as SVG, written from its display list (VectorChart.h tells how
// it matches the bitmap). Needs no Qt GUI library: a program without it
// writes SVG charts.
#include <QIODevice>
#include <QSize>
#include <QString>

namespace vexoria {

class DisplayList;

// Writes the chart into an open device; false when a write failed.
bool writeSvgChart(QIODevice& device, const DisplayList& drawing, QSize chart, const QString& title);

// Writes it to path through the one output writer; false, with *error set
// to one line naming the file, when it cannot be written.
bool writeSvgChart(const DisplayList& drawing, QSize chart, const QString& path, const QString& title,
                   QString* error = nullptr);

} // namespace vexoria
