// The drawing pass: sizes the image to the chart, starts a fresh white
// picture and draws every block row in `nom` order. For a chart built in
// parts it draws one part and marks parts 1 and 2 of 3 with "PAT I"/"PAT II".
#include "layout/DrawingPass.h"

#include <optional>

#include "layout/BlockKind.h"
#include "layout/BlockShapes.h"

namespace vexoria {

namespace {

auto byDrawOrder = [](const StatementRow& r) { return r.drawOrder; };

bool locateDrawOrder(StatementTable& t, int drawOrder)
{
    return t.locate([drawOrder](const StatementRow& r) { return r.drawOrder == drawOrder; });
}

// Moves forward while pred holds for the current row and rows remain; stays
// on the last row at the end of the table.
template <class Pred>
void forwardWhile(StatementTable& t, Pred pred)
{
    if (!t.hasCurrent()) return;
    while (pred(t.current()) && t.position() + 1 < t.size()) t.next();
}

int legendRoom(const BuildOptions& options) { return options.addLegend ? 100 : 0; }

// The image reaches 100 pixels below the last block of the table
// (another 100 with the legend).
void sizeImageToChart(StatementTable& t, const BuildOptions& options, Diagram& diagram)
{
    t.last();
    if (t.hasCurrent())
        while (!val(t.current().opensBlock) && t.position() > 0) t.prior();
    const int y = t.hasCurrent() ? val(t.current().y) : 0;
    diagram.setHeight(y + 100 + legendRoom(options));
}

// Part 1 ends with the first block after the first cut.
void sizeImageToFirstPart(StatementTable& t, const BuildOptions& options, Diagram& diagram, int firstCut)
{
    t.sortBy(byDrawOrder);
    locateDrawOrder(t, firstCut);
    forwardWhile(t, [](const StatementRow& r) { return !val(r.opensBlock); });
    const int y = t.hasCurrent() ? val(t.current().y) : 0;
    diagram.setHeight(y + 100 + legendRoom(options));
}

// The first placed block after a cut moves to the top of its part.
void moveFirstBlockAfterCutToTop(StatementTable& t, int cut)
{
    locateDrawOrder(t, cut);
    forwardWhile(t, [](const StatementRow& r) { return val(r.y) == 0; });
    if (t.hasCurrent()) t.current().y = 0;
}

} // namespace

void sizeImageToPart(StatementTable& t, const BuildOptions& options, const ChartSurface& surface, BlockPalette& palette,
                     const ChartPart& part)
{
    palette.next = 0;
    if (options.colourMode) {
        fillBlockColours(palette);
        palette.next = 0;
    }
    // A new picture starts with a pen of width 1 anyway; setting it here only
    // matters on a canvas that outlives the picture, and must not make a
    // picture of the old size that is thrown away a moment later.
    if (surface.canvasOverride || surface.diagram.hasPicture()) diagramCanvas(surface).setPenWidth(1);

    sizeImageToChart(t, options, surface.diagram);
    if (part.number == 1) sizeImageToFirstPart(t, options, surface.diagram, part.firstCut);
}

PartWalk walkPart(StatementTable& t, ShapeTemplateTable& templates, const ChartPart& part, const BlockVisit& visit,
                  const BuildControl* control)
{
    // The walk is in `nom` order; a part after a cut starts with the row after
    // the cut row.
    t.sortBy(byDrawOrder);
    int start = 0;
    std::optional<int> cut;
    if (part.number == 2) cut = part.firstCut;
    if (part.number == 3) cut = part.secondCut;
    if (cut) {
        const int at = t.find([&cut](const StatementRow& r) { return r.drawOrder == *cut; });
        if (at >= 0) start = at + 1;
    }

    for (int i = start; i < t.size(); ++i) {
        cancellationPoint(control);
        t.setPosition(i);
        const StatementRow& row = t.at(i);
        if (part.number == 1 && val(row.drawOrder) > part.firstCut + 1) return PartWalk::Cut;
        if (part.extraParts > 1 && part.number == 2 && val(row.drawOrder) > part.secondCut + 1) return PartWalk::Cut;
        if (!row.isBlock()) continue;
        const std::optional<BlockTemplate> tmpl = blockTemplate(templates, row.blockKind());
        if (!tmpl) continue;
        const std::optional<int> last = visit(i, *tmpl);
        if (!last) return PartWalk::Stopped;
        i = *last;
    }
    if (t.hasCurrent()) t.setPosition(t.size() - 1);
    return PartWalk::Done;
}

bool drawBlocks(StatementTable& t, ShapeTemplateTable& templates, const BuildOptions& options,
                const ChartSurface& surface, BlockPalette& palette, const ChartPart& part, Prompter* prompter,
                const BuildControl* control)
{
    if (part.number == 2) moveFirstBlockAfterCutToTop(t, part.firstCut);
    if (part.number == 3) {
        t.sortBy(byDrawOrder);
        moveFirstBlockAfterCutToTop(t, part.secondCut);
    }
    surface.diagram.removePicture();

    Canvas& canvas = diagramCanvas(surface);
    BlockPainter painter(t, options, canvas, palette);
    const PartWalk walk = walkPart(
        t, templates, part,
        [&](int i, const BlockTemplate& tmpl) -> std::optional<int> {
            if (tmpl.kind != BlockKind::Var && tmpl.kind != BlockKind::Header) return painter.draw(i, tmpl);
            // Drawing a var or header box is guarded: it is normally the
            // first drawing of the pass and makes the picture, which fails
            // for a chart too long to hold in memory.
            try {
                return painter.draw(i, tmpl);
            } catch (const PictureError&) {
                if (prompter) prompter->message(pictureTooLongMessage());
                return std::nullopt;
            }
        },
        control);
    if (walk != PartWalk::Cut) return false;
    canvas.textOut(50, 10, part.number == 1 ? QStringLiteral("PAT I") : QStringLiteral("PAT II"));
    return true;
}

} // namespace vexoria
