#pragma once
// One run of connection routing: the walk over the blocks in filtr order and
// the lines, heads and labels each kind of block draws, with the working state
// that lives for the run (lanes, the running block number, the colours carried
// from goto and repeat blocks to labels and until blocks).
//
// The statement table is walked through a private cursor (an index into the
// rows as the run found them sorted); the table's own cursor is set to it at
// the end. Lookups that the walk repeats for every block (a construct's
// closing row, a row by obiect and nom, a goto by its ordinal) go through hash
// indexes built once per run; each index keeps the first row with the key, so
// a lookup gives what a first-match locate on the table would give.
#include <vector>

#include <QHash>
#include <QPoint>
#include <QString>

#include "layout/ChartParts.h"
#include "layout/DiagramCanvas.h"
#include "layout/Palette.h"
#include "platform/drawing/Canvas.h"
#include "platform/drawing/Diagram.h"
#include "tables/BlockKind.h"
#include "tables/BuildControl.h"
#include "tables/BuildOptions.h"
#include "tables/ConnectionTable.h"
#include "tables/ShapeTemplates.h"
#include "tables/StatementTable.h"

namespace vexoria {

// What one run of routing works on. The rows of the statement table keep
// their places; the table's order and cursor move. The connection table
// gets the lines' rows; the palette is handed out from its start.
struct RouteInput {
    StatementTable& statements;
    const ShapeTemplateTable& templates;
    ConnectionTable& connections;
    const BuildOptions& options;
    const Diagram& diagram; // its size bounds the lanes
    BlockPalette& palette;
    ChartPart part;     // the whole chart or the part drawn
    int blockCount = 0; // the rows with a kind (structure check)
    const BuildControl* control = nullptr;
};

// Routes and draws every connection of the chart (or of the part drawn) on
// the surface and records each line in the connection table, which it
// leaves sorted on the running block number. A picture that cannot be made
// still gets its table.
void routeConnections(const RouteInput& in, const ChartSurface& surface);

// A block's template points together with its origin and stretch.
struct Geo {
    BlockKind kind = BlockKind::None; // the template's kind
    int x1 = 0, x2 = 0, x3 = 0, x4 = 0, x5 = 0, x6 = 0;
    int y1 = 0, y2 = 0, y3 = 0, y4 = 0, y5 = 0, y6 = 0;
    int X = 0, Y = 0, stretchX = 0, stretchY = 0;
};

// One lane of a lane stack: its x and the y down to which it is taken.
struct Lane {
    int x = 0;
    int bottom = 0;
};

// centre(a, b) = trunc(a + (b - a) / 2): the same as (a + b) / 2 truncated
// towards zero, which is what integer division does.
inline int centre(int a, int b) { return (a + b) / 2; }
// trunc(base + v / 2) with real division: differs from base + v / 2 in
// integers when v is negative.
int truncHalf(int base, int v);

class Router {
public:
    Router(const RouteInput& in, Canvas& canvas);
    void run();

    // The lane stacks, for tests that look at the allocation.
    const std::vector<Lane>& rightLanes() const { return m_right; }
    const std::vector<Lane>& leftLanes() const { return m_left; }

    // Lane allocation for a vertical segment from startY down to endY; returns
    // the lane's x. caseSearch: the search of a case collector, which stops at
    // index 1 on a split chart.
    int allocRight(int startY, int endY);
    int allocLeft(int startY, int endY, bool caseSearch = false);
    void setLaneStep(int step) { m_laneStep = step; }
    void resetLanes(int width, int height);

private:
    // --- walk and table access (Router.cpp)
    const StatementRow& row(int i) const;
    const StatementRow& cur() const { return row(m_cur); }
    int size() const;
    bool stepOn(); // one row on; false at the last row
    bool advance(bool* loopEndPassed = nullptr);
    Geo load(int index); // load geometry of a row
    Geo loadCur() { return load(m_cur); }
    void buildIndexes();
    // Moves to the row an index holds for key; false (and no move) when it
    // holds none.
    template <typename Key>
    bool findRow(const QHash<Key, int>& index, const Key& key)
    {
        const auto it = index.constFind(key);
        if (it == index.constEnd()) return false;
        m_cur = *it;
        return true;
    }
    bool findClosing(BlockKind kind, int drawOrder); // endobiect + no
    bool returnTo(BlockKind kind, int drawOrder);    // obiect + nom
    bool isCaseTest(int index) const;
    // When the closing row at closingIndex is followed, before the next block,
    // by the closing row of a while or for loop around it: that loop's block
    // (its index), else -1.
    int enclosingLoop(int closingIndex) const;
    // The top of a while or for block and the x of its centre line.
    QPoint loopTestTop(int loopIndex);
    void dispatch(const Geo& g);

    // --- shared geometry and drawing (Geometry.cpp)
    static int blockTop(const Geo& g);
    QPoint leftEntry(const Geo& g) const;
    QPoint rightEntry(const Geo& g) const;
    // y of leftEntry less 10, less 10 more for an else block and 20 more for
    // the end of the scheme: where brackets and collectors end.
    int bracketEndY(const Geo& g) const;
    void line(std::initializer_list<QPoint> pts);
    void downHead(int x, int y);
    void leftHead(int x, int y);
    void rightHead(int x, int y);
    void crossMark(int x, int y);
    void text(int x, int y, const QString& s);
    void colourStep();      // colour mode: next palette colour, width 2
    Colour takeSlotBlack(); // exit and break: a palette slot, pen black
    ConnectionRow& addRow(ConnectionKind kind, Colour colour, std::initializer_list<int> points);
    void caseExitLine(int fromX, int y, Colour colour, bool labelForm, const QString& label);

    // --- kinds
    void routePlain(const Geo& g); // Sequential.cpp
    void routeLabel(const Geo& g);
    void routeCondition(const Geo& g); // Branches.cpp
    void routeCase(const Geo& g);
    void drawElseFrame(const Geo& g);
    void routeWhileFor(const Geo& g, bool isFor); // Loops.cpp
    void routeRepeat(const Geo& g);
    void routeUntil(const Geo& g);
    void routeWith(const Geo& g);
    void lineNotFollowed(int cx, int by); // Jumps.cpp
    void routeGoto(const Geo& g);
    void routeExit(const Geo& g);
    void routeBreak(const Geo& g);

    const RouteInput& m_in;
    Canvas& m_canvas;
    int m_cur = 0;
    bool m_colourMode = false;
    Geo m_tpl; // template found last (its points and kind)

    int m_laneStep = 0;
    int m_connNo = 0;
    std::vector<Lane> m_right;
    std::vector<Lane> m_left;
    int m_exitLane = 0;
    int m_gotoOrdinal = 0;
    Colour m_gotoColour = 0;
    Colour m_repeatColour = 0;
    Colour m_constructColour = 0; // colour taken by the construct routed now

    // obiect and nom of the block routed in this pass, and its row (whose
    // obiect the connection rows copy as it stands)
    BlockKind m_kind = BlockKind::None;
    int m_drawOrder = 0;
    int m_owner = 0;

    QHash<int, Geo> m_templates;        // template points by Obiect (its BlockKind)
    QHash<quint64, int> m_byClosing;    // endobiect + no
    QHash<quint64, int> m_byBlock;      // obiect + nom
    QHash<QString, int> m_byClosedKind; // endobiect alone (gotos by ordinal)
    QHash<int, int> m_labelByN;         // mylabel rows by n
    int m_chartEnd = -1;
};

} // namespace vexoria
