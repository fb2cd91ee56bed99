#pragma once
// What the layout stages need of a block: its kind and template points, the
// rows of a text block, and the line breaking of long texts.
#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

#include "tables/StatementTable.h"
#include "tables/ShapeTemplates.h"

namespace vexoria {

// A template row's number and points (unset points read as 0).
struct BlockTemplate {
    BlockKind kind = BlockKind::None; // the template's number as a kind
    int x1 = 0, x2 = 0, x3 = 0, x4 = 0, x5 = 0, x6 = 0;
    int y1 = 0, y2 = 0, y3 = 0, y4 = 0, y5 = 0, y6 = 0;
};

// The template of a block kind when there is one and its number lies in
// 1..19; rows of any other kind are neither sized nor drawn.
// A template row's number and points as a block template.
BlockTemplate templateOf(const ShapeTemplate& row);

std::optional<BlockTemplate> blockTemplate(ShapeTemplateTable& templates, BlockKind kind);

// True for the kinds whose text is held in the rows after the block row.
bool isTextBlock(BlockKind kind);

// Index one past the last text row of the text block at blockIndex: the
// following rows up to the first with an empty `stroka` (var and header), or
// with an empty `stroka` or `obiect` "end" (else, begin, procces, except).
int textRunEnd(const StatementTable& statements, int blockIndex, BlockKind kind);

// Pieces of a text wider than limit: each piece is built a character at a
// time while its width is not above the limit, so every piece but the last
// ends with the character that crossed it; a piece never is empty.
QStringList breakIntoPieces(const QString& text, int limit, const std::function<int(const QString&)>& width);

} // namespace vexoria
