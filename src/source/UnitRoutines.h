#pragma once
// Where each routine of a unit's implementation begins and ends, read from
// the Pascal tokens: a routine runs from its heading to the end of its own
// body, and the routines nested in it lie inside that run. The routine copy
// uses this so that a routine's copy holds its own body and nothing of the
// routines around or inside it.
#include <vector>

#include <QStringList>

namespace vexoria {

struct UnitRoutine {
    int headingLine = 0;     // line of the heading's first word
    int endLine = 0;         // line of the body's end
    int bodyLine = 0;        // line of the body's begin
    int outer = -1;          // index of the routine it is nested in
    std::vector<int> nested; // indices of the routines nested directly in it
};

// The routines with a body from implLine on, in the order of their headings.
// A routine whose body does not end before the end of the text is left out.
std::vector<UnitRoutine> findUnitRoutines(const QStringList& lines, int implLine);

} // namespace vexoria
