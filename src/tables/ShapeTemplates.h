#pragma once
// The shape template table: one row per block kind. Its Obiect values are the
// classifier's keywords, Okusl ends a block's head, and the points are the
// geometry every block is sized, drawn and connected from.
#include "platform/records/Field.h"
#include "platform/records/RecordList.h"
#include "tables/BlockKind.h"

namespace vexoria {

struct ShapeTemplate {
    IntField n;
    TextField<10> kind;
    TextField<5> headEnd;
    IntField x1, x2, x3, x4, x5, x6;
    IntField y1, y2, y3, y4, y5, y6;

    BlockKind blockKind() const { return kindFromWord(kind.str()); }
};

using ShapeTemplateTable = RecordList<ShapeTemplate>;

// Fills the table with its 19 rows, sorted on n (run once at window creation).
void fillTemplates(ShapeTemplateTable& table);

// Exact, case-sensitive lookup by Obiect; on success the found row is current.
// A failed lookup leaves the cursor where it was.
bool locateTemplate(ShapeTemplateTable& table, const QString& kind);

} // namespace vexoria
