#include <array>
#include <vector>

#include "analysis/StructureCheck.h"

namespace vexoria {

namespace {

// The open constructs the check can hold at once; a deeper text still counts
// its depth, but the constructs past this many are not recorded and their
// closing rows stay unpaired.
constexpr int kStackEntries = 101;

struct OpenConstruct {
    QString word; // obiect as the row holds it: the closing row's endobiect
    int drawOrder = 0;
};

// Kinds that never open a construct; so a begin does not, and the closing row
// of "while c do begin ... end" closes the while.
bool opensConstruct(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Header:
    case BlockKind::ChartEnd:
    case BlockKind::Process:
    case BlockKind::Var:
    case BlockKind::Begin:
    case BlockKind::Goto:
    case BlockKind::Break:
    case BlockKind::Repeat:
    case BlockKind::Until:
    case BlockKind::Exit:
    case BlockKind::Label:
    case BlockKind::Except: return false;
    default: return true;
    }
}

} // namespace

// The structure check: numbers the rows that carry a kind (filtr), pairs every
// closing row with the construct it closes and every until with its repeat,
// and warns once when closing rows turn up that no construct can account for.
int checkStructure(StatementTable& t, Prompter* prompter, const BuildControl* control)
{
    int blockCount = 0;
    for (StatementRow& r : t.rows()) {
        if (r.kind.str().isEmpty()) continue;
        r.kindIndex = blockCount;
        blockCount += 1;
    }

    t.sortBy([](const StatementRow& r) { return r.kindIndex; });
    if (!t.locate([](const StatementRow& r) { return r.kindIndex.has_value() && *r.kindIndex == 0; }))
        return blockCount;

    std::array<OpenConstruct, kStackEntries> stack{};
    int depth = 0;
    std::vector<int> openRepeats;
    for (int i = t.position(); i < t.size(); ++i) {
        cancellationPoint(control);
        StatementRow& r = t.at(i);
        const BlockKind kind = r.blockKind();
        if (kind == BlockKind::End) {
            if (depth >= 1 && depth <= kStackEntries) {
                const OpenConstruct& top = stack[static_cast<std::size_t>(depth - 1)];
                r.closedKind = top.word;
                r.link = top.drawOrder;
            }
            depth -= 1;
            // Up to three surplus closing rows are silent: the routine's own
            // begin and end make one of them.
            if (depth < -3) {
                if (prompter)
                    prompter->message(QStringLiteral("Предупреждение !Возможна ошибка\rв блоке разбора синтаксиса"));
                return blockCount;
            }
            continue;
        }
        // Repeats nest: an until closes the innermost repeat still open.
        if (kind == BlockKind::Repeat) openRepeats.push_back(val(r.drawOrder));
        if (kind == BlockKind::Until) {
            r.setClosedKind(BlockKind::Repeat);
            r.link = openRepeats.empty() ? 0 : openRepeats.back();
            if (!openRepeats.empty()) openRepeats.pop_back();
        }
        if (opensConstruct(kind)) {
            depth += 1;
            if (depth >= 1 && depth <= kStackEntries)
                stack[static_cast<std::size_t>(depth - 1)] = OpenConstruct{r.kind.str(), val(r.drawOrder)};
        }
    }
    return blockCount;
}

} // namespace vexoria
