#pragma once
// What the benchmarks share: a prompter that answers No and says nothing, and
// the long routine the drawing benchmarks build.
#include <QString>

#include "platform/prompts/Prompter.h"

namespace vexoria::bench {

class SilentPrompter : public Prompter {
public:
    void message(const QString&) override {}
    Answer question(const QString&, const QString&, Buttons, Icon) override { return Answer::No; }
};

// A routine of `groups` groups of four kinds in turn: an if with a begin
// block, a for loop, a while loop and a case statement. 315 groups give the
// 1,000-statement routine: 1,421 rows on a chart 700 by 44,548 pixels.
QString longRoutine(int groups);

// The 1,000-statement routine.
constexpr int kThousandStatements = 315;

} // namespace vexoria::bench
