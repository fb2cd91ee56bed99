// The drawing pass: sizes the image to the chart, starts a fresh white
// picture and draws every block row in `nom` order. For a chart built in
// parts it draws one part and marks parts 1 and 2 of 3 with "PAT I"/"PAT II".
#include <optional>

#include "layout/BlockKind.h"
#include "layout/BlockShapes.h"
#include "layout/DiagramCanvas.h"
#include "layout/Palette.h"
#include "pipeline/BuildStages.h"
#include "pipeline/Workspace.h"

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

int legendRoom(const Workspace& ws) { return ws.settings.addLegend ? 100 : 0; }

// The image reaches 100 pixels below the last block of the table
// (another 100 with the legend).
void sizeImageToChart(Workspace& ws)
{
    StatementTable& t = ws.statements;
    t.last();
    if (t.hasCurrent())
        while (!val(t.current().opensBlock) && t.position() > 0) t.prior();
    const int y = t.hasCurrent() ? val(t.current().y) : 0;
    ws.diagram.setHeight(y + 100 + legendRoom(ws));
}

// Part 1 ends with the first block after the first cut.
void sizeImageToFirstPart(Workspace& ws)
{
    StatementTable& t = ws.statements;
    t.sortBy(byDrawOrder);
    locateDrawOrder(t, ws.ctx.firstCut);
    forwardWhile(t, [](const StatementRow& r) { return !val(r.opensBlock); });
    const int y = t.hasCurrent() ? val(t.current().y) : 0;
    ws.diagram.setHeight(y + 100 + legendRoom(ws));
}

// The first placed block after a cut moves to the top of its part.
void moveFirstBlockAfterCutToTop(StatementTable& t, int cut)
{
    locateDrawOrder(t, cut);
    forwardWhile(t, [](const StatementRow& r) { return val(r.y) == 0; });
    if (t.hasCurrent()) t.current().y = 0;
}

void writeMark(Workspace& ws, const QString& mark)
{
    diagramCanvas(ws).textOut(50, 10, mark);
}

} // namespace

void drawBlocks(Workspace& ws)
{
    ws.enterStage(BuildStage::Draw);
    BuildContext& ctx = ws.ctx;
    StatementTable& t = ws.statements;

    ctx.colourIndex = 0;
    if (ws.settings.colourMode) {
        fillBlockColours(ctx);
        ctx.colourIndex = 0;
    }
    // A new picture starts with a pen of width 1 anyway; setting it here only
    // matters on a canvas that outlives the picture, and must not make a
    // picture of the old size that is thrown away a moment later.
    if (ws.canvasOverride || ws.diagram.hasPicture()) diagramCanvas(ws).setPenWidth(1);

    sizeImageToChart(ws);
    if (ctx.stoppedAfterSizing == 1) sizeImageToFirstPart(ws);
    placePageMarkers(ws);
    if (ctx.drawingSecondPart == 1) moveFirstBlockAfterCutToTop(t, ctx.firstCut);
    if (ctx.drawingThirdPart == 1) {
        t.sortBy(byDrawOrder);
        moveFirstBlockAfterCutToTop(t, ctx.secondCut);
    }
    ws.diagram.removePicture();

    // The walk is in `nom` order; a part after a cut starts with the row after
    // the cut row.
    t.sortBy(byDrawOrder);
    int start = 0;
    std::optional<int> cut;
    if (ctx.drawingSecondPart == 1) cut = ctx.firstCut;
    if (ctx.drawingThirdPart == 1) cut = ctx.secondCut;
    if (cut) {
        const int at = t.find([&cut](const StatementRow& r) { return r.drawOrder == *cut; });
        if (at >= 0) start = at + 1;
    }

    BlockPainter painter(ws);
    for (int i = start; i < t.size(); ++i) {
        cancellationPoint(ws.control);
        t.setPosition(i);
        const StatementRow& row = t.at(i);
        if (ctx.stoppedAfterSizing == 1 && val(row.drawOrder) > ctx.firstCut + 1) {
            writeMark(ws, QStringLiteral("PAT I"));
            routeConnections(ws);
            return;
        }
        if (ctx.extraPartCount > 1 && ctx.drawingSecondPart == 1 && val(row.drawOrder) > ctx.secondCut + 1) {
            writeMark(ws, QStringLiteral("PAT II"));
            routeConnections(ws);
            return;
        }
        if (!row.isBlock()) continue;
        const std::optional<BlockTemplate> tmpl = blockTemplate(ws.templates, row.blockKind());
        if (!tmpl) continue;
        if (tmpl->kind == BlockKind::Var || tmpl->kind == BlockKind::Header) {
            // Drawing a var or header box is guarded: it is normally the
            // first drawing of the pass and makes the picture, which fails
            // for a chart too long to hold in memory.
            try {
                i = painter.draw(i, *tmpl);
            } catch (const PictureError&) {
                if (ws.prompter) ws.prompter->message(pictureTooLongMessage());
                return;
            }
        } else {
            i = painter.draw(i, *tmpl);
        }
    }
    if (t.hasCurrent()) t.setPosition(t.size() - 1);
}

} // namespace vexoria
