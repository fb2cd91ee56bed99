#pragma once
// A chart of any length as a PNG: drawn from its display list a strip of rows
// at a time and compressed as it goes, so that no picture of the whole chart
// is ever made. Its pixels are those the chart's picture would have.
#include <QSize>
#include <QString>

namespace vexoria {

class DisplayList;

// Writes the chart drawn on drawing, size pixels (width x height) on a white
// ground, as the PNG file path ("-": standard output). False with *error set
// to one line naming the file when it cannot; an old file is then untouched.
// A chart of more than wholeBytes of picture (32 bits a pixel) is drawn a
// strip at a time.
bool writeStripPng(const DisplayList& drawing, QSize size, const QString& path, QString* error = nullptr,
                   qint64 wholeBytes = qint64(1) << 30);

} // namespace vexoria
