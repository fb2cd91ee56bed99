#pragma once
// The statement table: one row per statement line, block or closing word.
// Rows are made by the classifier, paired by the structure check, placed by
// block sizing and read by every later stage.
#include "platform/records/Field.h"
#include "platform/records/RecordList.h"
#include "tables/BlockKind.h"

namespace vexoria {

struct StatementRow {
    IntField n;              // creation number
    IntField drawOrder;      // drawing order
    TextField<200> text;     // the statement text the row shows
    BoolField opensBlock;    // true: block row; false: closing row; unset: text row
    TextField<10> kind;      // block kind ("end" on a closing row)
    TextField<200> headText; // condition or head text of a block
    IntField x;              // origin of the block on the diagram
    IntField y;
    IntField stretchX; // stretch beyond the template
    IntField stretchY;
    IntField link;            // link to another row
    TextField<10> closedKind; // kind closed by a closing row, "repeat", "gotoK"
    IntField kindIndex;       // running index of the rows that carry a kind
    TextField<120> comment;   // source comment attached to the row
    // The lines of the code text the row was made from, first and last
    // (0-based, as the editor counts its blocks); -1 where the row stands
    // for no line of the code (rows the numbering adds). Kept in memory
    // only: no dump or export carries them.
    int firstLine = -1;
    int lastLine = -1;

    // The kind fields as kinds. closedKind also holds the "gotoK" marks of
    // gotos, which read as Unknown.
    BlockKind blockKind() const { return kindFromWord(kind.str()); }
    void setBlockKind(BlockKind k) { kind = kindWord(k); }
    BlockKind closedBlockKind() const { return kindFromWord(closedKind.str()); }
    void setClosedKind(BlockKind k) { closedKind = kindWord(k); }

    bool isBlock() const { return val(opensBlock) && !kind.str().isEmpty(); }
    bool isClosing() const { return blockKind() == BlockKind::End; }
    bool isText() const { return kind.str().isEmpty() && !opensBlock.has_value(); }
    // The closing row of a while or for loop.
    bool closesWhileOrFor() const
    {
        if (!isClosing()) return false;
        const BlockKind closed = closedBlockKind();
        return closed == BlockKind::While || closed == BlockKind::For;
    }
    // The if block of a case branch and the else block of a case's else: the
    // classifier marks them with "case" in stroka.
    bool isCasePart() const { return text == "case"; }
    void markCasePart() { text = "case"; }
};

using StatementTable = RecordList<StatementRow>;

} // namespace vexoria
