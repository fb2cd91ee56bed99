#include "layout/BlockShapes.h"

#include <cmath>

#include "platform/text/ConversionError.h"

namespace vexoria {

BlockPainter::BlockPainter(const StatementTable& statements, const BuildOptions& options, Canvas& canvas,
                           BlockPalette& palette)
    : m_statements(statements), m_options(options), m_canvas(canvas), m_palette(palette), m_colour(options.colourMode),
      m_comments(options.drawComments)
{
}

void BlockPainter::takeColour() { takeNextColour(m_palette, m_canvas); }

void BlockPainter::comment(const Block& b, const StatementRow& row, int rx, int ry)
{
    if (!m_comments) return;
    const QString text = row.comment.str();
    if (text.isEmpty()) return;
    const QPoint p = b.at(rx, ry);
    m_canvas.textOut(p.x(), p.y(), text);
}

void BlockPainter::centred(const Block& b, double c, int ry, const QString& text, int extraX)
{
    const int w = m_canvas.textWidth(text);
    const int x = static_cast<int>(std::trunc(b.x + c - w / 2.0)) + extraX;
    m_canvas.textOut(x, b.y + ry, text);
}

void BlockPainter::centredBroken(const Block& b, double c, const QString& text, int limit, int oneLineY, int piecesY)
{
    if (m_canvas.textWidth(text) <= limit) {
        centred(b, c, oneLineY, text);
        return;
    }
    int ry = piecesY;
    const QStringList pieces = breakIntoPieces(text, limit, [this](const QString& s) { return m_canvas.textWidth(s); });
    for (const QString& piece : pieces) {
        centred(b, c, ry, piece);
        ry += 15;
    }
}

int BlockPainter::draw(int index, const BlockTemplate& t)
{
    const StatementRow& row = m_statements.at(index);
    const int stretchX = val(row.stretchX);
    const int stretchY = val(row.stretchY);
    const Block b{t, val(row.x), val(row.y), stretchX, stretchY, stretchX / 2, stretchY / 2};
    const BuildOptions& s = m_options;
    switch (t.kind) {
    case BlockKind::Var:
    case BlockKind::Header: return textBlock(index, b, s.varTextWidth);
    case BlockKind::Else: return textBlock(index, b, s.elseTextWidth);
    case BlockKind::Begin:
    case BlockKind::Process:
    case BlockKind::Except: return textBlock(index, b, s.beginTextWidth);
    case BlockKind::If:
    case BlockKind::Try:
    case BlockKind::For: conditionBlock(b, row); break;
    case BlockKind::While: whileBlock(b, row); break;
    case BlockKind::With: withBlock(b, row); break;
    case BlockKind::Until: untilBlock(b, row); break;
    case BlockKind::Case: caseBlock(b, row); break;
    case BlockKind::Goto:
    case BlockKind::Label: jumpBlock(b, row); break;
    case BlockKind::Repeat: repeatBlock(b, row); break;
    case BlockKind::ChartEnd: chartEndBlock(b); break;
    case BlockKind::Break:
    case BlockKind::Exit: breakBlock(b, row); break;
    default: break;
    }
    return index;
}

// var, header, else, begin, procces, except: a box holding the text rows that
// follow the block row, one line each, long lines broken into pieces.
int BlockPainter::textBlock(int index, const Block& b, const QString& limitText)
{
    const BlockTemplate& t = b.t;
    const StatementRow& blockRow = m_statements.at(index);
    const bool isElse = t.kind == BlockKind::Else;
    // Comments of an else box stand further right and a line higher.
    const int commentX = t.x2 + b.stretchX + (isElse ? 20 : 10);
    const int commentDy = isElse ? -10 : 0;

    if (t.kind == BlockKind::Var || t.kind == BlockKind::Header) {
        // Normally the first drawing of the pass, which makes the picture; the
        // pass guards it (see drawBlocks).
        m_canvas.roundRect(b.x + t.x1, b.y + t.y1, b.x + t.x2 + b.stretchX, b.y + t.y2 + b.stretchY, t.x3, t.y3);
    } else {
        m_canvas.setPenWidth(isElse && blockRow.isCasePart() ? 2 : 1);
        if (isElse)
            m_canvas.roundRect(b.x + t.x1, b.y + t.y1, b.x + t.x2 + b.stretchX, b.y + t.y2 + b.stretchY, t.x3, t.y3);
        else m_canvas.rectangle(b.x + t.x1, b.y + t.y1, b.x + t.x2 + b.stretchX, b.y + t.y2 + b.stretchY);
    }

    int line = t.y1 + 5;
    comment(b, blockRow, commentX, line + commentDy);
    const int limit = toInt(limitText);
    const int end = textRunEnd(m_statements, index, t.kind);
    for (int i = index + 1; i < end; ++i) {
        const StatementRow& r = m_statements.at(i);
        comment(b, r, commentX, line + commentDy);
        const QString text = r.text.str();
        const QStringList pieces =
            m_canvas.textWidth(text) > limit
                ? breakIntoPieces(text, limit, [this](const QString& s) { return m_canvas.textWidth(s); })
                : QStringList{text};
        for (const QString& piece : pieces) {
            m_canvas.textOut(b.x + t.x1 + 10, b.y + line, piece);
            line += 15;
        }
    }
    if (isElse && m_canvas.penWidth() > 1) m_canvas.setPenWidth(1);
    return end - 1;
}

// if, try, for: a diamond (a kite for for) whose top and bottom points move by
// half the stretch and whose right point by all of it.
void BlockPainter::conditionBlock(const Block& b, const StatementRow& row)
{
    const BlockTemplate& t = b.t;
    comment(b, row, t.x3 + b.stretchX + 10, t.y3 + b.hy + 5);
    int width;
    if (t.kind == BlockKind::Try) {
        width = m_colour ? 3 : 2;
    } else {
        width = row.isCasePart() ? 2 : 1;
        if (m_colour) ++width;
    }
    m_canvas.setPenWidth(width);
    if (m_colour) takeColour();
    m_canvas.polygon({b.at(t.x1, t.y1 + b.hy), b.at(t.x2 + b.hx, t.y2), b.at(t.x3 + b.stretchX, t.y3 + b.hy),
                      b.at(t.x4 + b.hx, t.y4 + b.stretchY)});
    m_canvas.setPenColour(kBlack);
    const double c = t.x2 + b.hx;
    const QString text = row.headText.str();
    if (t.kind == BlockKind::For) {
        centredBroken(b, c, text, toInt(m_options.forTextWidth), t.y1 + b.hy, t.y1 + b.hy - 10);
    } else {
        if (t.kind == BlockKind::Try) {
            const QPoint p = b.at(t.x2 + b.hx - 10, t.y1 + b.hy - 20);
            m_canvas.textOut(p.x(), p.y(), QStringLiteral("TRY"));
        }
        centredBroken(b, c, text, toInt(m_options.ifTextWidth), t.y1 + b.hy - 5, t.y1 + b.hy - 10);
    }
    if (m_canvas.penWidth() > 1) m_canvas.setPenWidth(1);
}

void BlockPainter::whileBlock(const Block& b, const StatementRow& row)
{
    const BlockTemplate& t = b.t;
    comment(b, row, t.x4 + b.stretchX + 5, t.y3 - 2);
    if (m_colour) {
        m_canvas.setPenWidth(2);
        takeColour();
    }
    m_canvas.polygon({b.at(t.x1, t.y1 + b.hy), b.at(t.x2, t.y2), b.at(t.x3 + b.stretchX, t.y3),
                      b.at(t.x4 + b.stretchX, t.y4 + b.hy), b.at(t.x5 + b.stretchX, t.y5 + b.stretchY),
                      b.at(t.x6, t.y6 + b.stretchY)});
    m_canvas.setPenColour(kBlack);
    const double c = t.x2 + (t.x3 + b.stretchX - t.x2) / 2.0;
    centredBroken(b, c, row.headText.str(), toInt(m_options.whileTextWidth), t.y1, t.y1 - 10);
}

void BlockPainter::withBlock(const Block& b, const StatementRow& row)
{
    const BlockTemplate& t = b.t;
    comment(b, row, t.x2 + b.stretchX + 10, t.y2 + b.stretchY);
    if (m_colour) {
        m_canvas.setPenWidth(2);
        takeColour();
    }
    m_canvas.polygon({b.at(t.x1, t.y1 + b.stretchY), b.at(t.x2, t.y2), b.at(t.x3 + b.stretchX, t.y3),
                      b.at(t.x4 + b.stretchX, t.y4 + b.stretchY)});
    m_canvas.setPenColour(kBlack);
    // Never broken: a long expression runs past the shape.
    centred(b, t.x2 + (t.x4 + b.stretchX - t.x2) / 2.0, t.y2 + b.hy + 5, row.headText.str(), 5);
}

void BlockPainter::untilBlock(const Block& b, const StatementRow& row)
{
    const BlockTemplate& t = b.t;
    comment(b, row, t.x2 + b.stretchX + 10, t.y2 + b.stretchY);
    if (m_colour) m_canvas.setPenWidth(2);
    // The colour of its repeat (black in monochrome, where repeat takes none);
    // it stays on for the blocks that follow.
    m_canvas.setPenColour(m_loopColour);
    m_canvas.polygon({b.at(t.x1, t.y1), b.at(t.x2 + b.hx, t.y2), b.at(t.x3 + b.stretchX, t.y3),
                      b.at(t.x4 + b.stretchX, t.y4 + b.stretchY), b.at(t.x5, t.y5 + b.stretchY)});
    centred(b, t.x1 + (t.x3 + b.stretchX - t.x1) / 2.0, t.y5 - 20, row.headText.str());
}

void BlockPainter::caseBlock(const Block& b, const StatementRow& row)
{
    const BlockTemplate& t = b.t;
    comment(b, row, t.x2 + b.stretchX + 10, t.y2 + b.stretchY);
    if (m_colour) takeColour();
    m_canvas.setPenWidth(m_colour ? 3 : 2);
    m_canvas.polygon({b.at(t.x1, t.y1), b.at(t.x2 + b.stretchX, t.y2), b.at(t.x3 + b.stretchX, t.y3 + b.hy),
                      b.at(t.x4 + b.hx, t.y4 + b.stretchY), b.at(t.x5, t.y5 + b.hy)});
    m_canvas.setPenWidth(1);
    m_canvas.setPenColour(kBlack);
    centred(b, t.x1 + (t.x2 + b.stretchX - t.x1) / 2.0, t.y1 + 5, row.headText.str());
}

// goto and the label it jumps to share one colour.
void BlockPainter::jumpBlock(const Block& b, const StatementRow& row)
{
    const BlockTemplate& t = b.t;
    comment(b, row, t.x1 - 10, t.y2);
    if (m_colour) {
        m_canvas.setPenWidth(2);
        if (t.kind == BlockKind::Goto) {
            takeColour();
            m_jumpColour = m_canvas.penColour();
        } else {
            m_canvas.setPenColour(m_jumpColour);
        }
    }
    m_canvas.polygon({b.at(t.x1, t.y1), b.at(t.x2, t.y2), b.at(t.x3 + b.stretchX, t.y3), b.at(t.x4 + b.stretchX, t.y4),
                      b.at(t.x5, t.y5)});
    m_canvas.setPenColour(kBlack);
    const QPoint p = b.at(t.x2, t.y1 - 5);
    m_canvas.textOut(p.x(), p.y(), row.headText.str());
}

void BlockPainter::repeatBlock(const Block& b, const StatementRow& row)
{
    const BlockTemplate& t = b.t;
    comment(b, row, t.x2 + b.stretchX + 10, t.y2 + b.stretchY);
    if (m_colour) {
        m_canvas.setPenWidth(2);
        takeColour();
        m_loopColour = m_canvas.penColour();
    }
    m_canvas.polygon({b.at(t.x1, t.y1), b.at(t.x2, t.y2), b.at(t.x3, t.y3)});
    const QPoint p = b.at(t.x1 + 30, t.y1 + 5);
    m_canvas.textOut(p.x(), p.y(), QStringLiteral("repeat"));
}

void BlockPainter::chartEndBlock(const Block& b)
{
    const BlockTemplate& t = b.t;
    m_canvas.roundRect(b.x + t.x1, b.y + t.y1, b.x + t.x2 + b.stretchX, b.y + t.y2 + b.stretchY, t.x3, t.y3);
    const QPoint p = b.at(t.x1 + 35, t.y1 + 10);
    m_canvas.textOut(p.x(), p.y(), QStringLiteral("END SHEMA"));
}

// break and exit keep their template size whatever their stretch. The value
// an exit returns ("(false)") is written beside the block, under the exit's
// own line: the place of the comment above that line is where routing later
// writes "Выход", which would cover it. A comment then goes one line below
// the value.
void BlockPainter::breakBlock(const Block& b, const StatementRow& row)
{
    const BlockTemplate& t = b.t;
    const QString value = t.kind == BlockKind::Exit ? row.headText.str() : QString();
    const int sideX = t.x3 + b.stretchX + 10;
    const int valueY = t.y3 + 3;
    comment(b, row, sideX, value.isEmpty() ? t.y2 - 5 : valueY + 15);
    if (m_colour) {
        m_canvas.setPenWidth(2);
        takeColour();
    }
    m_canvas.polygon({b.at(t.x1, t.y1), b.at(t.x2, t.y2), b.at(t.x3, t.y3), b.at(t.x4, t.y4), b.at(t.x5, t.y5)});
    m_canvas.setPenColour(kBlack);
    const QPoint p = b.at(t.x1 + 5, t.y3 - 10);
    m_canvas.textOut(p.x(), p.y(), t.kind == BlockKind::Break ? QStringLiteral("break") : QStringLiteral("exit"));
    if (!value.isEmpty()) {
        const QPoint v = b.at(sideX, valueY);
        m_canvas.textOut(v.x(), v.y(), value);
    }
}

} // namespace vexoria
