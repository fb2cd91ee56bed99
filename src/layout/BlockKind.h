#pragma once
// What the layout stages need of a block: its kind number and template
// points, the rows of a text block, and the line breaking of long texts.
#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

#include "tables/StatementTable.h"
#include "tables/ShapeTemplates.h"

namespace vexoria {

// Template numbers of the shape template table.
enum Kind {
    KindVar = 1,
    KindIf = 2,
    KindWhile = 3,
    KindCase = 4,
    KindGoto = 5,
    KindFor = 6,
    KindRepeat = 7,
    KindElse = 8,
    KindBegin = 9,
    KindWith = 10,
    KindUntil = 11,
    KindProcess = 12,
    KindChartEnd = 13,
    KindHeader = 14,
    KindLabel = 15,
    KindBreak = 16,
    KindExit = 17,
    KindTry = 18,
    KindExcept = 19,
};

// A template row's number and points (unset points read as 0).
struct BlockTemplate {
    int n = 0;
    int x1 = 0, x2 = 0, x3 = 0, x4 = 0, x5 = 0, x6 = 0;
    int y1 = 0, y2 = 0, y3 = 0, y4 = 0, y5 = 0, y6 = 0;
};

// The template of a block kind when there is one and its number lies in
// 1..19; rows of any other kind are neither sized nor drawn.
std::optional<BlockTemplate> blockTemplate(ShapeTemplateTable& templates, const QString& kind);

// True for the kinds whose text is held in the rows after the block row.
bool isTextBlock(int kind);

// Index one past the last text row of the text block at blockIndex: the
// following rows up to the first with an empty `stroka` (var and header), or
// with an empty `stroka` or `obiect` "end" (else, begin, procces, except).
int textRunEnd(const StatementTable& statements, int blockIndex, int kind);

// Pieces of a text wider than limit: each piece is built a character at a
// time while its width is not above the limit, so every piece but the last
// ends with the character that crossed it; a piece never is empty.
QStringList breakIntoPieces(const QString& text, int limit, const std::function<int(const QString&)>& width);

} // namespace vexoria
