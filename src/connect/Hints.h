#pragma once
// Connection hints: a press on the lane of a side connection tells which
// block the connection belongs to and the condition that leads there.
#include <optional>

#include <QPoint>
#include <QSize>
#include <QString>

#include "tables/StatementTable.h"
#include "tables/ConnectionTable.h"

namespace vexoria {

// How far from a lane, either side, a press still hits it (diagram pixels).
constexpr int kLaneReach = 7;

// The hint for a press at `at` (diagram pixels): the owning block's kind, a
// blank and its condition text ("if a > b"). Every row is tested, first to
// last; when several lanes are hit, the last one's hint is given. Nothing
// when no lane is hit or the owning row cannot be found.
//  - kinds 4, 5, 6, 9, 11: the lane x2 between y1 and y3; the owner is the
//    statement row with nom = nomobiect and obiect = obiect;
//  - kind 7, a loop return: the lane x3 between y5 and y2; the same owner;
//  - kind 8, a repeat loop's return: the lane x2 between y1 and y3; the
//    condition shown is the until row's: no = nomobiect, endobiect = obiect.
// Kinds 0 to 3 and 10 have no lane and never give a hint. Rows before
// firstRow (earlier parts of a chart built in parts) are not tested.
std::optional<QString> hintAt(const ConnectionTable& connections, const StatementTable& statements, QPoint at,
                              int firstRow = 0);

// Where the hint box of `box` size goes for a press at `at` on a picture of
// `picture` size: beside the pointer, to its right in the picture's left
// half and to its left in the right half, so the lane pressed stays in
// sight; centred on the pointer's height; always inside the picture.
QPoint hintBoxPlace(QPoint at, QSize box, QSize picture);

} // namespace vexoria
