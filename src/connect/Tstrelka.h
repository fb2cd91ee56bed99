#pragma once
// The connection table: one row per drawn connection line, the only
// structured memory of the lines once they are on the bitmap.
#include "platform/core/Field.h"
#include "platform/core/RecordList.h"

namespace vexoria {

struct StrelkaRow {
    IntField n;               // running number of the block routed
    IntField vid;             // kind of connection, 0..11
    TextField<10> obiect;     // kind of the owning block
    IntField nomobiect;       // nom of the owning block
    IntField color;           // 0x00BBGGRR
    IntField x1, y1, x2, y2, x3, y3, x4, y4, x5, y5;
    IntField x1a, x2a, x3a, y1a, y2a, y3a; // working points of the animation
};

using Tstrelka = RecordList<StrelkaRow>;

} // namespace vexoria
