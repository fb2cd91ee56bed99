#pragma once
// Statement tables made by hand for the routing tests: rows as sizing and the
// structure check leave them (nom, obiect, x, y, plx, ply, no, endobiect and
// filtr in order), and a recording canvas to route onto.
#include <QStringList>

#include "analysis/Tstrok.h"
#include "connect/Tstrelka.h"
#include "layout/Palette.h"
#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"
#include "platform/core/RecordingCanvas.h"

namespace vexoria::test {

class RouteTable {
public:
    RouteTable()
    {
        fillTemplates(ws.tvobject);
        ws.canvasOverride = &canvas;
        ws.settings.cbcvet = false;
    }

    // A block row. Its origin is given as the centre x of the block would be
    // 350 for the usual template widths (see the tests' constants).
    StrokRow& block(const char* obiect, int nom, int x, int y, int plx = 0, int ply = 0)
    {
        StrokRow r;
        r.n = ++m_n;
        r.nom = nom;
        r.uslovie = true;
        r.obiect = obiect;
        r.x = x;
        r.y = y;
        if (plx) r.plx = plx;
        if (ply) r.ply = ply;
        r.filtr = m_filtr++;
        return ws.tstrok.append(r);
    }
    StrokRow& close(int nom, const char* endobiect, int no)
    {
        StrokRow r;
        r.n = ++m_n;
        r.nom = nom;
        r.uslovie = false;
        r.obiect = "end";
        r.stroka = "end;";
        if (no) {
            r.endobiect = endobiect;
            r.no = no;
        }
        r.filtr = m_filtr++;
        return ws.tstrok.append(r);
    }
    // A surplus closing row that closes nothing.
    StrokRow& bareClose(int nom) { return close(nom, "", 0); }

    void colour()
    {
        ws.settings.cbcvet = true;
        fillBlockColours(ws.ctx);
    }

    // Routes the table as the pipeline does after the structure check.
    void route()
    {
        ws.ctx.blockCount = m_filtr;
        AsoedinExecute(ws);
    }

    // The rows as "n vid x1,y1 x2,y2 ..." with only the points set.
    QStringList rows() const
    {
        QStringList out;
        for (const StrelkaRow& r : ws.tstrelka.rows()) out << describe(r);
        return out;
    }
    static QString describe(const StrelkaRow& r)
    {
        QString s = QString::number(val(r.n)) + u' ' + QString::number(val(r.vid));
        const IntField* p[] = {&r.x1, &r.y1, &r.x2, &r.y2, &r.x3, &r.y3, &r.x4, &r.y4, &r.x5, &r.y5};
        for (int i = 0; i < 10; i += 2) {
            if (!p[i]->has_value()) break;
            s += u' ' + QString::number(val(*p[i])) + u',' + QString::number(val(*p[i + 1]));
        }
        return s;
    }
    // Rows of one kind.
    std::vector<StrelkaRow> ofKind(int vid) const
    {
        std::vector<StrelkaRow> out;
        for (const StrelkaRow& r : ws.tstrelka.rows())
            if (val(r.vid) == vid) out.push_back(r);
        return out;
    }
    bool drew(const QString& line) const { return canvas.lines().contains(line); }

    Workspace ws;
    RecordingCanvas canvas;

private:
    int m_n = 0;
    int m_filtr = 0;
};

// Origins that put the usual blocks on the centre line x 350.
constexpr int kRectX = 275;   // begin, procces, header, else (width 50)
constexpr int kIfX = 250;     // if, try, goto, label (centre of x1..x3)
constexpr int kWhileX = 238;  // while (centre of x1..x4 is 350.5)
constexpr int kEndX = 225;    // end shema, var (width 150)

} // namespace vexoria::test
