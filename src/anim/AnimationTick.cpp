#include "anim/AnimationTick.h"

#include <algorithm>

#include "tables/ConnectionTable.h"

namespace vexoria {

namespace {

// The route points of a row, unset ones read as 0.
struct Route {
    int x1, y1, x2, y2, x3, y3, x4, y4, x5, y5;
};

Route routeOf(const ConnectionRow& r)
{
    return {val(r.x1), val(r.y1), val(r.x2), val(r.y2), val(r.x3),
            val(r.y3), val(r.x4), val(r.y4), val(r.x5), val(r.y5)};
}

Head storedHead(const ConnectionRow& r)
{
    return {{val(r.animX1), val(r.animY1)}, {val(r.animX2), val(r.animY2)}, {val(r.animX3), val(r.animY3)}};
}

void storeHead(ConnectionRow& r, const Head& h)
{
    r.animX1 = h.a.x();
    r.animY1 = h.a.y();
    r.animX2 = h.b.x();
    r.animY2 = h.b.y();
    r.animX3 = h.c.x();
    r.animY3 = h.c.y();
}

Head moved(const Head& h, QPoint by) { return {h.a + by, h.b + by, h.c + by}; }

constexpr QPoint kLeft{-10, 0};
constexpr QPoint kRight{10, 0};
constexpr QPoint kDown{0, 10};
constexpr QPoint kUp{0, -10};

// The legs and corners of each route, in the order they are tested. Every
// test reads the stored tip as the steps before it left it, so a head may
// take a corner and the first step of the next leg in one tick. A leg moves
// the stored head one step; a corner puts the corner's head on both the
// stored head and the head shown this tick.

// vid 4: left, down, right through P1, P2, P3 to P4. vid 5 and 9 differ only
// in the first leg and corner.
void runLeftDownRight(ConnectionKind kind, const Route& p, Head& s, Head& shown)
{
    const bool strictFirstLeg = kind == ConnectionKind::WhileExit || kind == ConnectionKind::Bracket;
    if (strictFirstLeg ? s.b.x() > p.x2 && s.b.y() == p.y1 : s.b.x() >= p.x2 && s.b.y() == p.y2) s = moved(s, kLeft);
    if (strictFirstLeg ? s.b.x() < p.x2 : s.b.x() <= p.x2 && s.b.y() == p.y2)
        shown = s = headAt(HeadShape::Down, p.x2, p.y2);
    if (s.b.y() <= p.y3 && s.b.x() <= p.x2) s = moved(s, kDown);
    if (s.b.y() >= p.y3 && s.b.x() == p.x3) shown = s = headAt(HeadShape::Right, p.x3, p.y3);
    if (s.b.y() == p.y3 && s.b.x() <= p.x4) s = moved(s, kRight);
}

// vid 4 and 5 of a loop that ends an enclosing loop's body: left, up the
// lane, right into the enclosing loop's test.
void runLeftUpRight(const Route& p, Head& s, Head& shown)
{
    if (s.b.x() > p.x2 && s.b.y() == p.y1) s = moved(s, kLeft);
    if (s.b.x() <= p.x2 && s.b.y() == p.y1) shown = s = headAt(HeadShape::Up, p.x2, p.y2);
    if (s.b.y() >= p.y3 && s.b.x() <= p.x2) s = moved(s, kUp);
    if (s.b.y() <= p.y3 && s.b.x() == p.x3) shown = s = headAt(HeadShape::Right, p.x3, p.y3);
    if (s.b.y() == p.y3 && s.b.x() <= p.x4) s = moved(s, kRight);
}

// vid 11 of a break into an enclosing loop's test: right, up, left.
void runRightUpLeft(const Route& p, Head& s, Head& shown)
{
    if (s.b.x() < p.x2 && s.b.y() == p.y1) s = moved(s, kRight);
    if (s.b.x() >= p.x2 && s.b.y() == p.y1) shown = s = headAt(HeadShape::Up, p.x2, p.y2);
    if (s.b.y() >= p.y3 && s.b.x() >= p.x2) s = moved(s, kUp);
    if (s.b.y() <= p.y3 && s.b.x() == p.x3) shown = s = headAt(HeadShape::Left, p.x3, p.y3);
    if (s.b.y() == p.y3 && s.b.x() >= p.x4) s = moved(s, kLeft);
}

// vid 6 and 11: right, down, left through P1, P2, P3 to P4.
void runRightDownLeft(const Route& p, Head& s, Head& shown)
{
    if (s.b.x() < p.x2 && s.b.y() == p.y1) s = moved(s, kRight);
    if (s.b.x() >= p.x2 && s.b.y() == p.y1) shown = s = headAt(HeadShape::Down, p.x2, p.y2);
    if (s.b.y() <= p.y3 && s.b.x() >= p.x2) s = moved(s, kDown);
    if (s.b.y() >= p.y3 && s.b.x() == p.x3) shown = s = headAt(HeadShape::Left, p.x3, p.y3);
    if (s.b.y() == p.y3 && s.b.x() >= p.x4) s = moved(s, kLeft);
}

// vid 7, a loop return: from P2 right, up the lane, left into the loop block.
void runLoopReturn(const Route& p, Head& s, Head& shown)
{
    if (s.b.x() < p.x3 && s.b.y() == p.y2) s = moved(s, kRight);
    if (s.b.x() >= p.x3 && s.b.y() == p.y2)
        shown = s = Head{{p.x3 - 5, p.y2 + 2}, {p.x3, p.y3 - 3}, {p.x3 + 5, p.y2 + 2}};
    if (s.b.y() >= p.y4 && s.b.x() >= p.x3) s = moved(s, kUp);
    if (s.b.y() <= p.y4 && s.b.x() == p.x4) shown = s = Head{{p.x4, p.y4 - 5}, {p.x4 - 7, p.y4}, {p.x4, p.y4 + 5}};
    if (s.b.y() == p.y5 && s.b.x() >= p.x5) s = moved(s, kLeft);
}

// vid 8, recorded from its head back to its tail: from P4 left, up the lane,
// right through P3, P2 to P1.
void runRepeatReturn(const Route& p, Head& s, Head& shown)
{
    if (s.b.x() >= p.x3 && s.b.y() == p.y3) s = moved(s, kLeft);
    if (s.b.x() <= p.x3 && s.b.y() == p.y3) shown = s = headAt(HeadShape::Up, p.x3, p.y3);
    if (s.b.y() >= p.y2 && s.b.x() <= p.x3) s = moved(s, kUp);
    if (s.b.y() <= p.y2 && s.b.x() == p.x2) shown = s = headAt(HeadShape::Right, p.x2, p.y2);
    if (s.b.y() == p.y2 && s.b.x() <= p.x1) s = moved(s, kRight);
}

bool routeEnded(ConnectionKind kind, const Route& p, QPoint tip)
{
    switch (kind) {
    case ConnectionKind::Onward:
    case ConnectionKind::Yes:
    case ConnectionKind::ForBody: return tip.y() >= p.y2 - 2;
    case ConnectionKind::CaseExit: return tip.x() <= p.x2 + 10 && tip.y() == p.y2;
    case ConnectionKind::ForExit:
    case ConnectionKind::WhileExit:
    case ConnectionKind::Bracket: return tip.x() >= p.x4 - 10 && tip.y() == p.y4;
    case ConnectionKind::No:
    case ConnectionKind::Jump: return tip.x() <= p.x4 + 10 && tip.y() == p.y3;
    case ConnectionKind::LoopReturn: return tip.x() <= p.x5 + 10 && tip.y() == p.y5;
    case ConnectionKind::RepeatReturn: return tip.x() >= p.x1 - 10 && tip.y() == p.y1;
    default: return false;
    }
}

// Where a head starts, and its first step.
Head startHead(ConnectionKind kind, const Route& p)
{
    switch (kind) {
    case ConnectionKind::Onward:
    case ConnectionKind::Yes:
    case ConnectionKind::ForBody: return headAt(HeadShape::Down, p.x1, p.y1);
    case ConnectionKind::No:
    case ConnectionKind::Jump: return headAt(HeadShape::Right, p.x1, p.y1);
    case ConnectionKind::LoopReturn: return headAt(HeadShape::Right, p.x2, p.y2);
    case ConnectionKind::RepeatReturn: return headAt(HeadShape::Left, p.x4, p.y4);
    default: return headAt(HeadShape::Left, p.x1, p.y1); // ForExit, WhileExit, Bracket, CaseExit
    }
}

QPoint firstStep(ConnectionKind kind)
{
    switch (kind) {
    case ConnectionKind::Onward:
    case ConnectionKind::Yes:
    case ConnectionKind::ForBody: return {0, 2};
    case ConnectionKind::No:
    case ConnectionKind::LoopReturn:
    case ConnectionKind::Jump: return kRight;
    default: return kLeft; // ForExit, WhileExit, RepeatReturn, Bracket, CaseExit
    }
}

void runLegs(ConnectionKind kind, const Route& p, Head& s, Head& shown)
{
    switch (kind) {
    case ConnectionKind::Onward:
    case ConnectionKind::Yes:
    case ConnectionKind::ForBody:
        if (s.b.y() < p.y2 - 2) s = moved(s, {0, 2});
        break;
    case ConnectionKind::CaseExit:
        if (s.b.x() >= p.x2 && s.b.y() == p.y2) s = moved(s, kLeft);
        break;
    // An exit or a break whose lane runs up goes back to an enclosing
    // loop's test.
    case ConnectionKind::ForExit:
    case ConnectionKind::WhileExit:
    case ConnectionKind::Bracket:
        if (p.y3 < p.y1) runLeftUpRight(p, s, shown);
        else runLeftDownRight(kind, p, s, shown);
        break;
    case ConnectionKind::No:
    case ConnectionKind::Jump:
        if (p.y3 < p.y1) runRightUpLeft(p, s, shown);
        else runRightDownLeft(p, s, shown);
        break;
    case ConnectionKind::LoopReturn: runLoopReturn(p, s, shown); break;
    case ConnectionKind::RepeatReturn: runRepeatReturn(p, s, shown); break;
    default: break;
    }
}

// A moving head. The head shown on a tick is the stored head as the tick
// found it; the stored head then runs one step ahead. A head that has not
// started, or has reached the end of its route, starts again.
void tickRoute(ConnectionRow& r, ConnectionKind kind)
{
    const Route p = routeOf(r);
    Head s = storedHead(r);
    const bool notStarted = kind <= ConnectionKind::ForBody ? s.a.x() == 0 : s.b.y() == 0;
    Head shown;
    if (notStarted || routeEnded(kind, p, s.b)) {
        shown = startHead(kind, p);
        s = moved(shown, firstStep(kind));
    } else {
        shown = s;
        runLegs(kind, p, s, shown);
    }
    storeHead(r, s);
    r.shown = {true, static_cast<Colour>(val(r.color)), shown.a, shown.b, shown.c};
}

// A cross mark shows the colour it has at the start of the tick; on the last
// five ticks of each cycle that colour flips between black and green.
void tickCrossMark(ConnectionRow& r, int animStep)
{
    const auto colour = static_cast<Colour>(val(r.color));
    r.shown = {true, colour, {}, {}, {}};
    if (animStep >= kBlinkFrom) r.color = static_cast<int>(colour == 0 ? kBlinkGreen : kBlack);
}

// A case exit in label form records only where its label is: there is no
// line to run along. The literal rule would leave a head standing left of
// the label and draw a line from the label to the picture's top-left corner
// on every tick, so these rows are not animated.
bool isLabelForm(const ConnectionRow& r) { return val(r.x2) == 0 && val(r.y2) == 0; }

} // namespace

Head headAt(HeadShape shape, int x, int y)
{
    switch (shape) {
    case HeadShape::Left: return {{x - 2, y - 5}, {x - 7, y}, {x - 2, y + 5}};
    case HeadShape::Right: return {{x + 2, y - 5}, {x + 8, y}, {x + 2, y + 5}};
    case HeadShape::Down: return {{x - 5, y + 2}, {x, y + 7}, {x + 5, y + 2}};
    case HeadShape::Up: return {{x - 5, y + 2}, {x, y - 3}, {x + 5, y + 2}};
    }
    return {};
}

void animationTick(ConnectionTable& connections, int& animStep, int firstRow)
{
    animStep = animStep + 1 >= kAnimCycle ? 0 : animStep + 1;
    for (int i = std::max(firstRow, 0); i < connections.size(); ++i) {
        ConnectionRow& r = connections.at(i);
        const ConnectionKind kind = r.connectionKind();
        if (kind == ConnectionKind::NotFollowed) tickCrossMark(r, animStep);
        else if (kind == ConnectionKind::CaseExit && isLabelForm(r)) continue;
        else if (kind >= ConnectionKind::Onward && kind <= ConnectionKind::Jump) tickRoute(r, kind);
    }
}

} // namespace vexoria
