#pragma once
// The statement table: one row per statement line, block or closing word.
// Rows are made by the classifier, paired by the structure check, placed by
// block sizing and read by every later stage.
#include "platform/core/Field.h"
#include "platform/core/RecordList.h"

namespace vexoria {

struct StrokRow {
    IntField n;                 // creation number
    IntField nom;               // drawing order
    TextField<200> stroka;      // the statement text the row shows
    BoolField uslovie;          // true: block row; false: closing row; unset: text row
    TextField<10> obiect;       // block kind ("end" on a closing row)
    TextField<200> suslovie;    // condition or head text of a block
    IntField x;                 // origin of the block on the diagram
    IntField y;
    IntField plx;               // stretch beyond the template
    IntField ply;
    IntField no;                // link to another row
    TextField<10> endobiect;    // kind closed by a closing row, "repeat", "gotoK"
    IntField filtr;             // running index of the rows that carry a kind
    TextField<120> comment;     // source comment attached to the row

    bool isBlock() const { return val(uslovie) && !obiect.str().isEmpty(); }
    bool isClosing() const { return obiect == "end"; }
    bool isText() const { return obiect.str().isEmpty() && !uslovie.has_value(); }
};

using Tstrok = RecordList<StrokRow>;

} // namespace vexoria
