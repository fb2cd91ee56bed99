#pragma once
// The connection table: one row per drawn connection line, the only
// structured memory of the lines once they are on the bitmap.
#include <QPoint>

#include "platform/drawing/Canvas.h"
#include "platform/records/Field.h"
#include "platform/records/RecordList.h"
#include "tables/BlockKind.h"

namespace vexoria {

// What the arrow animation shows of a row over the picture: the head drawn on
// the last tick, or the colour a cross mark was last drawn in. It lives with
// the row, so a rebuild that empties the table leaves nothing stale to show.
// It is no field of the table: dumps and the debug grid leave it out.
struct AnimShown {
    bool on = false;   // the row has been animated since it was made
    Colour colour = 0; // colour of the head, or of the cross mark and its line
    QPoint a, b, c;    // the head (moving kinds), b its tip
};

struct ConnectionRow {
    IntField n;              // running number of the block routed
    IntField kind;           // kind of connection, 0..11
    TextField<10> ownerKind; // kind of the owning block
    IntField ownerDrawOrder; // nom of the owning block
    IntField color;          // 0x00BBGGRR
    IntField x1, y1, x2, y2, x3, y3, x4, y4, x5, y5;
    IntField animX1, animX2, animX3, animY1, animY2, animY3; // working points of the animation
    AnimShown shown;

    // vid as a kind; a number outside 0..11 reads as no kind of the enum.
    ConnectionKind connectionKind() const { return static_cast<ConnectionKind>(val(kind)); }
    void setConnectionKind(ConnectionKind k) { kind = static_cast<int>(k); }
    BlockKind ownerBlockKind() const { return kindFromWord(ownerKind.str()); }
};

using ConnectionTable = RecordList<ConnectionRow>;

} // namespace vexoria
