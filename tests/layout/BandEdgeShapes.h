#pragma once
// Charts for the writers that draw a chart a strip of rows at a time: shapes
// that a band edge could cut badly (dashed and dotted frames, slanted lines,
// curves, text, a wide pen) around every 512th row, and the chart drawn
// whole to compare with.
#include <QImage>
#include <QPainter>

#include "platform/drawing/DisplayList.h"
#include "platform/drawing/PainterCanvas.h"

namespace vexoria::test {

inline QImage drawnWhole(const DisplayList& list, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    list.replay(canvas);
    return image;
}

// Down to height: a chart of kTallRows has pieces enough to be worked on on
// threads of their own.
inline constexpr int kTallRows = 6000;
inline void drawAcrossBandEdges(DisplayList& list, int height = kTallRows)
{
    list.setPenWidth(1);
    for (int edge = 512; edge + 300 < height; edge += 512) {
        list.setPenStyle(PenStyle::Dash);
        list.polyline({{40, edge - 300}, {40, edge + 200}, {300, edge + 200}});
        list.setPenStyle(PenStyle::Dot);
        list.rectangle(320, edge - 150, 420, edge + 150);
        list.setPenStyle(PenStyle::Solid);
        list.polyline({{450, edge - 7}, {470, edge + 9}, {490, edge - 3}});           // an arrowhead's slant
        list.polygon({{500, edge - 20}, {550, edge}, {500, edge + 20}, {450, edge}}); // a diamond
        list.roundRect(560, edge - 12, 680, edge + 13, 20, 40);
        list.textOut(565, edge - 6, QStringLiteral("Переход"));
        list.setPenWidth(2);
        list.polyline({{600, edge - 40}, {600, edge + 40}});
        list.setPenWidth(1);
    }
}

// Picture bytes small enough that a chart of 700 by 1,800 or more is drawn
// in bands.
inline constexpr qint64 kBandedBytes = qint64(700) * 4 * 600;

} // namespace vexoria::test
