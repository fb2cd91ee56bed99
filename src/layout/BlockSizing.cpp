// Block sizing: every block row gets its stretch (plx, ply) and its origin
// (x, y) in one column centred on the diagram, one block below the other in
// `nom` order. Then the chart's length is checked against the maximum.
#include "layout/BlockSizing.h"

#include <cmath>

#include "layout/BlockKind.h"
#include "platform/text/ConversionError.h"

namespace vexoria {

namespace {

// A limit of 0 would be divided by; the build stops there with a message,
// as it does for a limit that is not a number.
void refuseZero(int value, const QString& text)
{
    if (value == 0) throw ConversionError(text, QStringLiteral("Деление на ноль: размер \"%1\"").arg(text));
}

struct Size {
    int width = 0; // W, the block's full width
    int step = 0;  // from the block's origin to the next block's origin
};

class Sizer {
public:
    Sizer(const StatementTable& statements, const BuildOptions& options, Canvas& canvas)
        : m_statements(statements), m_options(options), m_canvas(canvas)
    {
    }

    int width(const QString& text) { return m_canvas.textWidth(text); }

    // Text blocks: lines are the rows after the block row; a line wider than
    // the limit counts as the pieces it is broken into.
    Size textBlock(int index, const BlockTemplate& t, StatementRow& row, const QString& limitText)
    {
        const int limit = toInt(limitText);
        const int end = textRunEnd(m_statements, index, t.kind);
        int lines = 0;
        int widest = 0;
        bool wrapped = false;
        for (int i = index + 1; i < end; ++i) {
            const int tw = width(m_statements.at(i).text.str());
            if (tw > limit) {
                refuseZero(limit, limitText);
                lines += static_cast<int>(std::ceil(static_cast<double>(tw) / limit)) - 1;
                wrapped = true;
            } else if (tw > widest) {
                widest = tw;
            }
            ++lines;
        }
        row.stretchY = (lines - 2) * 15;
        const int templateWidth = t.x2 - t.x1;
        if (!wrapped && templateWidth < widest + 15) row.stretchX = widest + 15 - templateWidth;
        if (wrapped) row.stretchX = limit + 20 - templateWidth;
        return {val(row.stretchX) + templateWidth, val(row.stretchY) + t.y2};
    }

    // if, try, for, with: the diamond-like blocks widen to their condition up
    // to a cap, and grow taller in proportion to the text.
    Size conditionBlock(const BlockTemplate& t, StatementRow& row)
    {
        const int w = width(row.headText.str());
        const int tw = w + 45;
        const int d = t.x3 - t.x1;
        if (d < tw) {
            const BuildOptions& s = m_options;
            if (t.kind == BlockKind::With) {
                // The test reads the Begin setting less 20, the cap the For
                // setting plus 85.
                if (w > toInt(s.beginTextWidth) - 20) row.stretchX = toInt(s.forTextWidth) + 85 - d;
                else row.stretchX = tw - d;
            } else {
                const int cap = toInt(t.kind == BlockKind::For ? s.forTextWidth : s.ifTextWidth);
                row.stretchX = w > cap ? cap + 65 - d : tw - d;
            }
        }
        // trunc(t / D * 15), in double precision and in this order.
        row.stretchY = static_cast<int>(static_cast<double>(tw) / d * 15);
        return {val(row.stretchX) + d, val(row.stretchY) + t.y4};
    }

    Size whileBlock(const BlockTemplate& t, StatementRow& row)
    {
        const int w = width(row.headText.str());
        const int d = t.x3 - t.x2; // the flat top of the hexagon
        if (d < w + 5) {
            const int cap = toInt(m_options.whileTextWidth);
            row.stretchX = (w > cap ? cap + 15 : w + 5) - d;
            row.stretchY = static_cast<int>(static_cast<double>(w + 5) / d * 5);
        }
        return {val(row.stretchX) + t.x4 - t.x1, val(row.stretchY) + t.y6};
    }

    // case, goto, mylabel, until: wide enough for the text plus 15.
    Size labelBlock(const BlockTemplate& t, StatementRow& row, int right, int step, bool addPly)
    {
        const int w = width(row.headText.str()) + 15;
        if (right - t.x1 < w) row.stretchX = w - (right - t.x1);
        return {val(row.stretchX) + right - t.x1, (addPly ? val(row.stretchY) : 0) + step};
    }

    std::optional<Size> size(int index, const BlockTemplate& t, StatementRow& row)
    {
        const BuildOptions& s = m_options;
        switch (t.kind) {
        case BlockKind::Var:
        case BlockKind::Header: return textBlock(index, t, row, s.varTextWidth);
        case BlockKind::Else: return textBlock(index, t, row, s.elseTextWidth);
        case BlockKind::Begin:
        case BlockKind::Process:
        case BlockKind::Except: return textBlock(index, t, row, s.beginTextWidth);
        case BlockKind::If:
        case BlockKind::Try:
        case BlockKind::For:
        case BlockKind::With: return conditionBlock(t, row);
        case BlockKind::While: return whileBlock(t, row);
        case BlockKind::Case: return labelBlock(t, row, t.x2, t.y4, true);
        case BlockKind::Goto:
        case BlockKind::Label: return labelBlock(t, row, t.x3, t.y4, false);
        case BlockKind::Until: return labelBlock(t, row, t.x3, t.y5, false);
        case BlockKind::Repeat: return Size{t.x2 - t.x1, t.y3};
        case BlockKind::Break:
        case BlockKind::Exit: return Size{t.x3 - t.x1, t.y4};
        case BlockKind::ChartEnd: return Size{val(row.stretchX) + t.x2 - t.x1, 0};
        default: return std::nullopt;
        }
    }

private:
    const StatementTable& m_statements;
    const BuildOptions& m_options;
    Canvas& m_canvas;
};

} // namespace

Placement sizeBlocks(StatementTable& t, ShapeTemplateTable& templates, const BuildOptions& options,
                     const ChartSurface& surface, const BuildControl* control)
{
    Sizer sizer(t, options, diagramCanvas(surface));
    const int centre = surface.diagram.width() / 2;
    int cursor = 0;
    t.sortBy([](const StatementRow& r) { return r.drawOrder; });
    for (int i = 0; i < t.size(); ++i) {
        cancellationPoint(control);
        t.setPosition(i);
        StatementRow& row = t.at(i);
        if (!val(row.opensBlock)) continue;
        const std::optional<BlockTemplate> tmpl = blockTemplate(templates, row.blockKind());
        if (!tmpl) continue;
        const std::optional<Size> size = sizer.size(i, *tmpl, row);
        if (!size) continue;
        row.y = cursor;
        row.x = centre - tmpl->x1 - size->width / 2;
        cursor += size->step;
    }
    // The chart is as long as the last row's place; the table stays on it.
    t.last();
    return Placement{t.hasCurrent() ? val(t.current().y) : 0};
}

LengthVerdict checkLength(const Placement& placement, const QString& maxChartLength, Prompter* prompter)
{
    const int length = placement.length;
    const int maxLength = toInt(maxChartLength);
    if (length < maxLength) return {LengthVerdict::Fits, 0};
    refuseZero(maxLength, maxChartLength);
    const int extraParts = length / maxLength;
    if (extraParts > 2) {
        if (prompter)
            prompter->message(QStringLiteral("Данная версия подерживает только 3 вложения\r"
                                             "Невозможно построить Блок-Схему"));
        return {LengthVerdict::Stop, extraParts};
    }
    const QString question =
        QStringLiteral("Построить за ") + QString::number(extraParts + 1) + QStringLiteral(" раза");
    const Answer answer = prompter ? prompter->question(QStringLiteral("Длинна превышенна"), question,
                                                        Buttons::YesNoCancel, Icon::Question)
                                   : Answer::No;
    if (answer == Answer::No) return {LengthVerdict::Whole, extraParts};
    if (answer != Answer::Yes) return {LengthVerdict::Stop, extraParts};
    return {LengthVerdict::InParts, extraParts};
}

} // namespace vexoria
