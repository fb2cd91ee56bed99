// The legend: a framed strip at the foot of the diagram with one unstretched
// sample of each block kind and its caption.
#include "layout/Legend.h"

#include "layout/BlockKind.h"

namespace vexoria {

namespace {

class LegendPainter {
public:
    LegendPainter(Canvas& canvas, int width) : m_c(canvas), m_width(width) {}

    int e = 0;   // horizontal offset of the current sample
    int row = 0; // top line of the current row of samples

    QPoint at(int rx, int ry) const { return QPoint(e + rx, row + ry); }
    void caption(int rx, int ry, const char* text) { m_c.textOut(e + rx, row + ry, QString::fromUtf8(text)); }
    void roundRect(int x1, int y1, int x2, int y2, int w, int h)
    {
        m_c.roundRect(e + x1, row + y1, e + x2, row + y2, w, h);
    }

    // The sample of one template: the offset moves first, then the shape and
    // its caption are drawn. Kinds that share another kind's sample draw
    // nothing.
    void sample(const BlockTemplate& t)
    {
        switch (t.kind) {
        case BlockKind::Var:
            roundRect(t.x1 - 20, t.y1, t.x2 - 50, t.y2, t.x3, t.y3);
            caption(t.x1 + 10, t.y1 + 5, "var,header");
            e += 10;
            break;
        case BlockKind::If:
            e += 100;
            m_c.polygon({at(t.x1, t.y1), at(t.x2, t.y2), at(t.x3, t.y3), at(t.x4, t.y4)});
            caption(t.x1 + 35, t.y1 - 10, "if,try");
            break;
        case BlockKind::While:
            e += 110;
            m_c.polygon(
                {at(t.x1, t.y1), at(t.x2, t.y2), at(t.x3, t.y3), at(t.x4, t.y4), at(t.x5, t.y5), at(t.x6, t.y6)});
            caption(t.x1 + 45, t.y1 - 5, "while");
            break;
        case BlockKind::Case:
            e += 140;
            m_c.polygon({at(t.x1, t.y1), at(t.x2, t.y2), at(t.x3, t.y3), at(t.x4, t.y4), at(t.x5, t.y5)});
            caption(t.x1 + 10, t.y1 + 5, "case");
            break;
        case BlockKind::Goto:
            e += 70;
            m_c.polygon({at(t.x1, t.y1), at(t.x2, t.y2), at(t.x3 + 20, t.y3), at(t.x4 + 20, t.y4), at(t.x5, t.y5)});
            caption(t.x1 + 15, t.y1 - 10, "goto,label");
            break;
        case BlockKind::For:
            e += 100;
            m_c.polygon({at(t.x1, t.y1), at(t.x2, t.y2), at(t.x3, t.y3), at(t.x4, t.y4)});
            caption(t.x1 + 20, t.y1 - 5, "for");
            break;
        case BlockKind::Repeat:
            e += 70;
            // The only place a second row of samples may start.
            if (e >= m_width - 150) {
                e = -10;
                row += 60;
            }
            m_c.polygon({at(t.x1, t.y1), at(t.x2, t.y2), at(t.x3, t.y3)});
            caption(t.x1 + 30, t.y1 + 5, "repeat");
            break;
        case BlockKind::Else:
            e += 110;
            roundRect(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3);
            caption(t.x1 + 15, t.y1 + 15, "else");
            break;
        case BlockKind::Begin:
            e += 70;
            m_c.rectangle(e + t.x1, row + t.y1, e + t.x2 + 25, row + t.y2);
            caption(t.x1 + 5, t.y1 + 10, "begin,procces");
            caption(t.x1 + 5, t.y1 + 25, "except");
            break;
        case BlockKind::With:
            e += 90;
            m_c.polygon({at(t.x1, t.y1 + 15), at(t.x2, t.y2), at(t.x3, t.y3), at(t.x4, t.y4 + 15)});
            caption(t.x2 + 5, t.y2 + 5, "whis");
            break;
        case BlockKind::Until:
            e += 80;
            m_c.polygon({at(t.x1, t.y1), at(t.x2, t.y2), at(t.x3, t.y3), at(t.x4, t.y4), at(t.x5, t.y5)});
            caption(t.x1 + 5, t.y5 - 20, "until");
            break;
        case BlockKind::ChartEnd:
            e += 70;
            roundRect(t.x1, t.y1, t.x2 - 45, t.y2, t.x3, t.y3);
            caption(t.x1 + 15, t.y1 + 5, "END SHEMA");
            break;
        case BlockKind::Break:
            e += 110;
            m_c.polygon(
                {at(t.x1, t.y1), at(t.x2 + 20, t.y2), at(t.x3 + 20, t.y3), at(t.x4 + 20, t.y4), at(t.x5, t.y5)});
            caption(t.x1 + 5, t.y3 - 10, "break,exit");
            break;
        default:
            // procces, header, mylabel, exit, try and except share the
            // samples named in the captions.
            break;
        }
    }

private:
    Canvas& m_c;
    int m_width;
};

} // namespace

void drawLegend(const ShapeTemplateTable& templates, const ChartSurface& surface, Prompter* prompter)
{
    Canvas& c = diagramCanvas(surface);
    const int h = surface.diagram.height();
    const int w = surface.diagram.width();
    c.setPenWidth(1);
    c.rectangle(10, h - 130, w - 10, h - 10);

    LegendPainter legend(c, w);
    legend.row = h - 140;
    // The table is kept in ascending n.
    for (const ShapeTemplate& r : templates.rows()) {
        const BlockTemplate t = templateOf(r);
        if (t.kind == BlockKind::Var) {
            // The first sample is guarded like the first box of the chart.
            try {
                legend.sample(t);
            } catch (const PictureError&) {
                if (prompter) prompter->message(pictureTooLongMessage());
                return;
            }
        } else {
            legend.sample(t);
        }
    }
}

} // namespace vexoria
