#pragma once
// Statement tables made by hand for the routing tests: rows as sizing and the
// structure check leave them (nom, obiect, x, y, plx, ply, no, endobiect and
// filtr in order), and a recording canvas to route onto.
#include <QStringList>

#include "tables/StatementTable.h"
#include "tables/ConnectionTable.h"
#include "connect/Router.h"
#include "layout/Palette.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/RecordingCanvas.h"

namespace vexoria::test {

class RouteTable {
public:
    RouteTable()
    {
        fillTemplates(ws.templates);
        ws.canvasOverride = &canvas;
        ws.settings.colourMode = false;
    }

    // A block row. Its origin is given as the centre x of the block would be
    // 350 for the usual template widths (see the tests' constants).
    StatementRow& block(const char* kind, int drawOrder, int x, int y, int stretchX = 0, int stretchY = 0)
    {
        StatementRow r;
        r.n = ++m_n;
        r.drawOrder = drawOrder;
        r.opensBlock = true;
        r.kind = kind;
        r.x = x;
        r.y = y;
        if (stretchX) r.stretchX = stretchX;
        if (stretchY) r.stretchY = stretchY;
        r.kindIndex = m_kindIndex++;
        return ws.statements.append(r);
    }
    StatementRow& close(int drawOrder, const char* closedKind, int no)
    {
        StatementRow r;
        r.n = ++m_n;
        r.drawOrder = drawOrder;
        r.opensBlock = false;
        r.kind = "end";
        r.text = "end;";
        if (no) {
            r.closedKind = closedKind;
            r.link = no;
        }
        r.kindIndex = m_kindIndex++;
        return ws.statements.append(r);
    }
    // A surplus closing row that closes nothing.
    StatementRow& bareClose(int drawOrder) { return close(drawOrder, "", 0); }

    void colour()
    {
        ws.settings.colourMode = true;
        options = ws.options();
        fillBlockColours(ws.palette);
    }

    // Routes the table as the pipeline does after the structure check.
    void route()
    {
        options = ws.options();
        in.blockCount = m_kindIndex;
        routeConnections(in, ws.surface());
    }

    // The rows as "n vid x1,y1 x2,y2 ..." with only the points set.
    QStringList rows() const
    {
        QStringList out;
        for (const ConnectionRow& r : ws.connections.rows()) out << describe(r);
        return out;
    }
    static QString describe(const ConnectionRow& r)
    {
        QString s = QString::number(val(r.n)) + u' ' + QString::number(val(r.kind));
        const IntField* p[] = {&r.x1, &r.y1, &r.x2, &r.y2, &r.x3, &r.y3, &r.x4, &r.y4, &r.x5, &r.y5};
        for (int i = 0; i < 10; i += 2) {
            if (!p[i]->has_value()) break;
            s += u' ' + QString::number(val(*p[i])) + u',' + QString::number(val(*p[i + 1]));
        }
        return s;
    }
    // Rows of one kind.
    std::vector<ConnectionRow> ofKind(int kind) const
    {
        std::vector<ConnectionRow> out;
        for (const ConnectionRow& r : ws.connections.rows())
            if (val(r.kind) == kind) out.push_back(r);
        return out;
    }
    bool drew(const QString& line) const { return canvas.lines().contains(line); }

    Workspace ws;
    RecordingCanvas canvas;
    // What routing is handed: the options as ws.settings hold them at the
    // last route(), and the part (the whole chart unless a test sets it).
    BuildOptions options = ws.options();
    RouteInput in{ws.statements, ws.templates, ws.connections, options, ws.diagram, ws.palette, ChartPart{}, 0,
                  nullptr};

private:
    int m_n = 0;
    int m_kindIndex = 0;
};

// Origins that put the usual blocks on the centre line x 350.
constexpr int kRectX = 275;  // begin, procces, header, else (width 50)
constexpr int kIfX = 250;    // if, try, goto, label (centre of x1..x3)
constexpr int kWhileX = 238; // while (centre of x1..x4 is 350.5)
constexpr int kEndX = 225;   // end shema, var (width 150)

} // namespace vexoria::test
