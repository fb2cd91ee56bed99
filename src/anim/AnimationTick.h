#pragma once
// Aanimate: one tick of the arrow animation. Small filled heads travel along
// the connection lines in the direction of control flow, and the cross marks
// of connections that lead nowhere blink. Where each head is lives in its
// row of the connection table: the stored head (x1a..y3a), which runs one
// step ahead of the head shown, and what the tick chose to show (`shown`).
//
// The tick only computes; nothing is drawn on the chart's picture. The view
// paints what the rows show over the picture (AnimationOverlay.h), so a saved
// or printed chart never carries a head, a blink colour or the white patches
// that painting heads away on the picture itself would leave in labels.
#include <QPoint>

#include "tables/ConnectionTable.h"
#include "platform/drawing/Canvas.h"

namespace vexoria {

// A head: the points A, B (the tip) and C of a small filled triangle.
struct Head {
    QPoint a, b, c;
    bool operator==(const Head& o) const { return a == o.a && b == o.b && c == o.c; }
};

enum class HeadShape { Left, Right, Down, Up };

// The head of a shape placed at the reference point (x, y).
Head headAt(HeadShape shape, int x, int y);

// The tick counter runs 0..24; the cross marks flip colour on its last five.
constexpr int kAnimCycle = 25;
constexpr int kBlinkFrom = 20;
constexpr Colour kBlinkGreen = rgb(0, 128, 0);

// One tick over the rows of the table from firstRow to the last (the rows of
// the picture on show): animStep advances through 0..kAnimCycle - 1, every
// head moves one step, every cross mark takes its colour for the tick.
void animationTick(ConnectionTable& connections, int& animStep, int firstRow = 0);

} // namespace vexoria
