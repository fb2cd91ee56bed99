#include "layout/BlockKind.h"

namespace vexoria {

std::optional<BlockTemplate> blockTemplate(ShapeTemplateTable& templates, const QString& kind)
{
    if (!locateTemplate(templates, kind)) return std::nullopt;
    const ShapeTemplate& r = templates.current();
    BlockTemplate t;
    t.n = val(r.n);
    if (t.n < 1 || t.n > 19) return std::nullopt;
    t.x1 = val(r.x1); t.x2 = val(r.x2); t.x3 = val(r.x3);
    t.x4 = val(r.x4); t.x5 = val(r.x5); t.x6 = val(r.x6);
    t.y1 = val(r.y1); t.y2 = val(r.y2); t.y3 = val(r.y3);
    t.y4 = val(r.y4); t.y5 = val(r.y5); t.y6 = val(r.y6);
    return t;
}

bool isTextBlock(int kind)
{
    switch (kind) {
    case KindVar: case KindHeader: case KindElse: case KindBegin: case KindProcess: case KindExcept:
        return true;
    default:
        return false;
    }
}

int textRunEnd(const StatementTable& statements, int blockIndex, int kind)
{
    // Declarations end only at an empty line; statement lines also end at a
    // closing row, whose `stroka` ("end;") is never empty.
    const bool declarations = kind == KindVar || kind == KindHeader;
    int i = blockIndex + 1;
    for (; i < statements.size(); ++i) {
        const StatementRow& r = statements.at(i);
        if (r.text.str().isEmpty()) break;
        if (!declarations && r.kind == "end") break;
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
