#pragma once
// Statement tables filled by hand for the layout tests, drawn on a recording
// canvas whose text metric is 5 pixels a character.
#include <QString>
#include <QStringList>

#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"
#include "pipeline/Workspace.h"
#include "platform/core/RecordingCanvas.h"

namespace vexoria::test {

struct ChartBuilder {
    Workspace ws;
    RecordingCanvas canvas{RecordingCanvas::fixedMetric(5)};
    ScriptedPrompter prompter;
    int nextNom = 0;

    ChartBuilder()
    {
        ws.canvasOverride = &canvas;
        ws.prompter = &prompter;
    }

    StrokRow& add(StrokRow r)
    {
        r.n = nextNom + 1;
        r.nom = nextNom++;
        return ws.tstrok.append(r);
    }
    // A block row of the kind; x, y, plx, ply are left for sizing or the test.
    StrokRow& block(const char* obiect, const QString& suslovie = {}, const QString& stroka = {})
    {
        StrokRow r;
        r.uslovie = true;
        r.obiect = obiect;
        r.suslovie = suslovie;
        r.stroka = stroka;
        return add(r);
    }
    // A block row already placed, for drawing tests.
    StrokRow& placed(const char* obiect, int x, int y, int plx = 0, int ply = 0, const QString& suslovie = {})
    {
        StrokRow& r = block(obiect, suslovie);
        r.x = x;
        r.y = y;
        r.plx = plx;
        r.ply = ply;
        return r;
    }
    StrokRow& text(const QString& stroka)
    {
        StrokRow r;
        r.stroka = stroka;
        return add(r);
    }
    StrokRow& closing(const QString& stroka = QStringLiteral("end;"))
    {
        StrokRow r;
        r.uslovie = false;
        r.obiect = "end";
        r.stroka = stroka;
        return add(r);
    }
    StrokRow& row(int nom) { return ws.tstrok.at(ws.tstrok.find([nom](const StrokRow& r) { return r.nom == nom; })); }

    QStringList lines() const { return canvas.lines(); }
};

// n characters of text (5 pixels each on the recording canvas).
inline QString chars(int n, QChar c = u'a') { return QString(n, c); }

} // namespace vexoria::test
