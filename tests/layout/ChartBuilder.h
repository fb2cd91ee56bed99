#pragma once
// Statement tables filled by hand for the layout tests, drawn on a recording
// canvas whose text metric is 5 pixels a character.
#include <QString>
#include <QStringList>

#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"
#include "layout/BlockSizing.h"
#include "layout/DrawingPass.h"
#include "layout/Legend.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/RecordingCanvas.h"

namespace vexoria::test {

struct ChartBuilder {
    Workspace ws;
    RecordingCanvas canvas{RecordingCanvas::fixedMetric(5)};
    ScriptedPrompter prompter;
    int nextDrawOrder = 0;
    // What draw() draws: the whole chart unless a test picks a part.
    ChartPart part;

    ChartBuilder()
    {
        ws.canvasOverride = &canvas;
        ws.prompter = &prompter;
    }

    StatementRow& add(StatementRow r)
    {
        r.n = nextDrawOrder + 1;
        r.drawOrder = nextDrawOrder++;
        return ws.statements.append(r);
    }
    // A block row of the kind; x, y, plx, ply are left for sizing or the test.
    StatementRow& block(const char* kind, const QString& headText = {}, const QString& text = {})
    {
        StatementRow r;
        r.opensBlock = true;
        r.kind = kind;
        r.headText = headText;
        r.text = text;
        return add(r);
    }
    // A block row already placed, for drawing tests.
    StatementRow& placed(const char* kind, int x, int y, int stretchX = 0, int stretchY = 0,
                         const QString& headText = {})
    {
        StatementRow& r = block(kind, headText);
        r.x = x;
        r.y = y;
        r.stretchX = stretchX;
        r.stretchY = stretchY;
        return r;
    }
    StatementRow& text(const QString& text)
    {
        StatementRow r;
        r.text = text;
        return add(r);
    }
    StatementRow& closing(const QString& text = QStringLiteral("end;"))
    {
        StatementRow r;
        r.opensBlock = false;
        r.kind = "end";
        r.text = text;
        return add(r);
    }
    StatementRow& row(int drawOrder)
    {
        return ws.statements.at(
            ws.statements.find([drawOrder](const StatementRow& r) { return r.drawOrder == drawOrder; }));
    }

    QStringList lines() const { return canvas.lines(); }

    // The stages on this table, as the build hands them the workspace.
    Placement size() { return sizeBlocks(ws.statements, ws.templates, ws.options(), ws.surface()); }
    LengthVerdict sizeAndCheck() { return checkLength(size(), ws.settings.maxChartLength, ws.prompter); }
    // The drawing pass as the build runs it: the image, the page markers,
    // the blocks. True when it stopped at the end of the part.
    bool draw()
    {
        const BuildOptions options = ws.options();
        sizeImageToPart(ws.statements, options, ws.surface(), ws.palette, part);
        placePageMarkers(ws);
        return drawBlocks(ws.statements, ws.templates, options, ws.surface(), ws.palette, part, ws.prompter);
    }
    void legend() { drawLegend(ws.templates, ws.surface(), ws.prompter); }
};

// n characters of text (5 pixels each on the recording canvas).
inline QString chars(int n, QChar c = u'a') { return QString(n, c); }

} // namespace vexoria::test
