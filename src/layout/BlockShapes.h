#pragma once
// The drawing of one block row by its kind: shape, pens, texts, comment. The
// drawing pass keeps one BlockPainter for its whole run, since the pen, the
// loop colour and the jump colour carry from one block to the next.
#include <QPoint>
#include <QString>

#include "layout/BlockKind.h"
#include "layout/Palette.h"
#include "platform/drawing/Canvas.h"
#include "tables/BuildOptions.h"
#include "tables/StatementTable.h"

namespace vexoria {

class BlockPainter {
public:
    BlockPainter(const StatementTable& statements, const BuildOptions& options, Canvas& canvas, BlockPalette& palette);

    // Draws the block row at index of the statement table. Text blocks also
    // draw the text rows after it; returns the index of the last row drawn
    // (the block row itself for the other kinds).
    int draw(int index, const BlockTemplate& t);

private:
    struct Block {
        const BlockTemplate& t;
        int x, y, stretchX, stretchY, hx, hy;
        QPoint at(int rx, int ry) const { return QPoint(x + rx, y + ry); }
    };

    int textBlock(int index, const Block& b, const QString& limitText);
    void conditionBlock(const Block& b, const StatementRow& row);
    void whileBlock(const Block& b, const StatementRow& row);
    void withBlock(const Block& b, const StatementRow& row);
    void untilBlock(const Block& b, const StatementRow& row);
    void caseBlock(const Block& b, const StatementRow& row);
    void jumpBlock(const Block& b, const StatementRow& row);
    void repeatBlock(const Block& b, const StatementRow& row);
    void chartEndBlock(const Block& b);
    void breakBlock(const Block& b, const StatementRow& row);

    // The row's comment at the block-relative place, when comments are on.
    void comment(const Block& b, const StatementRow& row, int rx, int ry);
    // A text centred on the block-relative line c (which may be fractional).
    void centred(const Block& b, double c, int ry, const QString& text, int extraX = 0);
    // A centred text, broken into pieces 15 pixels apart when wider than the
    // limit; one line at oneLineY, pieces from piecesY.
    void centredBroken(const Block& b, double c, const QString& text, int limit, int oneLineY, int piecesY);
    void takeColour();

    const StatementTable& m_statements;
    const BuildOptions& m_options;
    Canvas& m_canvas;
    BlockPalette& m_palette;
    bool m_colour;
    bool m_comments;
    Colour m_loopColour = kBlack;
    Colour m_jumpColour = kBlack;
};

} // namespace vexoria
