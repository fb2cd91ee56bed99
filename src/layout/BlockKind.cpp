#include "layout/BlockKind.h"

namespace vexoria {

BlockTemplate templateOf(const ShapeTemplate& r)
{
    BlockTemplate t;
    t.kind = static_cast<BlockKind>(val(r.n));
    t.x1 = val(r.x1);
    t.x2 = val(r.x2);
    t.x3 = val(r.x3);
    t.x4 = val(r.x4);
    t.x5 = val(r.x5);
    t.x6 = val(r.x6);
    t.y1 = val(r.y1);
    t.y2 = val(r.y2);
    t.y3 = val(r.y3);
    t.y4 = val(r.y4);
    t.y5 = val(r.y5);
    t.y6 = val(r.y6);
    return t;
}

std::optional<BlockTemplate> blockTemplate(ShapeTemplateTable& templates, BlockKind kind)
{
    if (!locateTemplate(templates, kindWord(kind))) return std::nullopt;
    const ShapeTemplate& r = templates.current();
    const int n = val(r.n);
    if (n < 1 || n > 19) return std::nullopt;
    return templateOf(r);
}

bool isTextBlock(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Var:
    case BlockKind::Header:
    case BlockKind::Else:
    case BlockKind::Begin:
    case BlockKind::Process:
    case BlockKind::Except: return true;
    default: return false;
    }
}

int textRunEnd(const StatementTable& statements, int blockIndex, BlockKind kind)
{
    // Declarations end only at an empty line; statement lines also end at a
    // closing row, whose `stroka` ("end;") is never empty.
    const bool declarations = kind == BlockKind::Var || kind == BlockKind::Header;
    int i = blockIndex + 1;
    for (; i < statements.size(); ++i) {
        const StatementRow& r = statements.at(i);
        if (r.text.str().isEmpty()) break;
        if (!declarations && r.isClosing()) break;
    }
    return i;
}

QStringList breakIntoPieces(const QString& text, int limit, const std::function<int(const QString&)>& width)
{
    QStringList pieces;
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        QString piece(text[pos++]);
        while (pos < n && width(piece) <= limit) piece += text[pos++];
        pieces << piece;
    }
    return pieces;
}

} // namespace vexoria
