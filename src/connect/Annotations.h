#pragma once
// The user's own marks on a finished chart: comments typed onto it and the
// eraser. Both draw on the chart's picture itself, so they are part of a
// saved picture and of a printout; nothing is recorded in the tables, and a
// new build starts from a clean chart.
#include <QPoint>
#include <QRect>
#include <QString>

namespace vexoria {

class Canvas;

// The eraser: a strip 5 pixels wide and 20 tall, centred on the pointer.
constexpr int kEraserWidth = 5;
constexpr int kEraserHeight = 20;

// The strip the eraser covers with the pointer at `at` (diagram pixels).
QRect eraserStrip(QPoint at);

// Writes a comment with its top-left corner at `at`: opaque text on the
// chart's white, as every text of the chart is written. The canvas's pen and
// brush are left as they were.
void drawComment(Canvas& canvas, QPoint at, const QString& text);

// Paints the eraser's strip over everything it passes moving from `from` to
// `to`, not just where it stops: a quick stroke leaves no unerased gaps.
// The canvas's pen and brush are left as they were.
void eraseStroke(Canvas& canvas, QPoint from, QPoint to);

} // namespace vexoria
