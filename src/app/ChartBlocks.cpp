#include "app/ChartBlocks.h"

#include <algorithm>
#include <exception>

#include <QPolygon>

#include "layout/BlockShapes.h"
#include "layout/DrawingPass.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/DiagramFont.h"

namespace vexoria {

namespace {

// A canvas that draws nothing: it notes the bounds of the shapes drawn on it
// since it was last cleared, and the texts written.
class ShapeBounds final : public Canvas {
public:
    void clear()
    {
        m_bounds = QRect();
        m_texts.clear();
    }
    QRect bounds() const { return m_bounds; }
    const QStringList& texts() const { return m_texts; }

    void setPenWidth(int width) override { m_pen.penWidth = width; }
    void setPenColour(Colour colour) override { m_pen.penColour = colour; }
    void setPenStyle(PenStyle style) override { m_pen.penStyle = style; }
    void setBrushColour(Colour colour) override { m_pen.brushColour = colour; }

    void polygon(const std::vector<QPoint>& points) override { add(points); }
    void polyline(const std::vector<QPoint>& points) override { add(points); }
    // The right and bottom edges are not part of a rectangle.
    void rectangle(int x1, int y1, int x2, int y2) override
    {
        m_bounds |= QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    }
    void roundRect(int x1, int y1, int x2, int y2, int, int) override { rectangle(x1, y1, x2, y2); }
    void fillRect(int x1, int y1, int x2, int y2) override { rectangle(x1, y1, x2, y2); }
    void textOut(int, int, const QString& text) override { m_texts << text; }
    int textWidth(const QString& text) const override { return diagramTextWidth(diagramShownText(text)); }

private:
    void add(const std::vector<QPoint>& points)
    {
        if (!points.empty()) m_bounds |= QPolygon(QList<QPoint>(points.begin(), points.end())).boundingRect();
    }

    QRect m_bounds;
    QStringList m_texts;
};

} // namespace

int partOnShow(const PartPlan& parts)
{
    switch (parts.next) {
    case NextPart::Second: return 1;
    case NextPart::Third: return 2;
    case NextPart::None: break;
    }
    // Stopped after sizing with no part left: the chart was refused, the
    // question cancelled, or no cut was found; nothing was drawn.
    if (parts.stoppedAfterSizing) return -1;
    // A chart built in parts whose last part is on show; one drawn whole
    // after the answer No has no cut.
    return parts.firstCut != 0 ? parts.extraParts + 1 : 0;
}

std::vector<ChartBlock> blocksOnShow(const Workspace& ws)
{
    std::vector<ChartBlock> blocks;
    const int part = partOnShow(ws.parts);
    if (!ws.diagram.hasPicture() || ws.diagram.isOpenedPicture() || part < 0) return blocks;
    // The walk sorts the table and the painter hands out colours: both work
    // on copies, so the chart on show keeps its tables as the build left them.
    StatementTable statements = ws.statements;
    ShapeTemplateTable templates = ws.templates;
    BlockPalette palette = ws.palette;
    const BuildOptions options = ws.options();
    ShapeBounds canvas;
    BlockPainter painter(statements, options, canvas, palette);
    try {
        walkPart(
            statements, templates, ws.parts.part(part), [&](int index, const BlockTemplate& t) -> std::optional<int> {
                canvas.clear();
                const int last = painter.draw(index, t);
                ChartBlock block;
                block.area = canvas.bounds();
                QStringList texts;
                for (int i = index; i <= last; ++i) {
                    const StatementRow& r = statements.at(i);
                    if (r.firstLine >= 0)
                        block.firstLine = block.firstLine < 0 ? r.firstLine : std::min(block.firstLine, r.firstLine);
                    block.lastLine = std::max(block.lastLine, r.lastLine);
                    // Whole lines as well as the pieces a long line is drawn in,
                    // so that a text is found across the place it was broken.
                    if (i == index) texts << r.headText.str();
                    else texts << r.text.str();
                }
                texts << canvas.texts();
                texts.removeAll(QString());
                block.text = texts.join(u'\n');
                if (block.area.isValid()) blocks.push_back(std::move(block));
                return last;
            });
    } catch (const std::exception&) {
        // A setting changed since the build that the painter cannot read:
        // the chart on show is still there, its blocks just are not known.
        blocks.clear();
    }
    return blocks;
}

} // namespace vexoria
