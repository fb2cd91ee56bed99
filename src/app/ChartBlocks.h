#pragma once
// The blocks on the picture on show, each with the area of its shape on the
// chart, the lines of the code it was made from and the texts it shows: what
// the editor and the chart point at each other with, and what find searches.
// They are taken by walking the rows the drawing pass drew, with the block
// painter drawing on a canvas that only notes where each shape lies.
#include <vector>

#include <QRect>
#include <QString>

namespace vexoria {

struct PartPlan;
struct Workspace;

struct ChartBlock {
    QRect area;         // the shape, in chart pixels
    int firstLine = -1; // the lines of the code it was made from (0-based, as
    int lastLine = -1;  // they were at the build); -1: none
    QString text;       // what the block shows, one text a line

    bool hasLines() const { return firstLine >= 0; }
};

// Which part of the chart the picture shows: 0 for a chart drawn whole, else
// 1, 2 or 3; -1 when no chart was drawn (refused, or stopped at the question).
int partOnShow(const PartPlan& parts);

// The blocks of the chart on show, in the order they are drawn (top to
// bottom). Nothing when the workspace holds no drawn chart.
std::vector<ChartBlock> blocksOnShow(const Workspace& ws);

} // namespace vexoria
