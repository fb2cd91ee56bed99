#include "analysis/OrphanLines.h"

namespace vexoria::scan {

namespace {

bool isBlanksOnly(const QString& text)
{
    for (const QChar c : text)
        if (c != u' ' && c != u'\r' && c != u'\n') return false;
    return true;
}

// Which rows a text block holds is the sizing rule: the rows after a var or
// header block up to the first one with an empty stroka; after an else,
// begin, procces or except block also up to the first closing row. The two
// runs end on different rows, so each is followed on its own.
struct HeldRuns {
    bool varRun = false;   // after a var or header block
    bool otherRun = false; // after an else, begin, procces or except block

    // Row by row in nom order: a row that ends a run is not held by it.
    bool holds(const StatementRow& row)
    {
        if (row.text.str().isEmpty()) {
            varRun = false;
            otherRun = false;
        } else if (row.isClosing()) {
            otherRun = false;
        }
        return varRun || otherRun;
    }

    void startAt(const StatementRow& row)
    {
        switch (row.blockKind()) {
        case BlockKind::Var:
        case BlockKind::Header: varRun = true; break;
        case BlockKind::Else:
        case BlockKind::Begin:
        case BlockKind::Process:
        case BlockKind::Except: otherRun = true; break;
        default: break;
        }
    }
};

} // namespace

bool isStatementLine(const StatementRow& row)
{
    const QString text = row.text.str();
    return !isBlanksOnly(text) && row.kind.str().isEmpty() && !val(row.opensBlock) && !text.startsWith(u'/');
}

void holdOrphanLines(std::vector<StatementRow>& rows, std::vector<int>& order, int& rowCounter)
{
    std::vector<int> result;
    result.reserve(order.size() + 16);
    HeldRuns runs;
    int added = 0;
    for (const int index : order) {
        const auto at = static_cast<std::size_t>(index);
        const bool held = runs.holds(rows[at]);
        if (!held && isStatementLine(rows[at])) {
            StatementRow processRow;
            processRow.n = ++rowCounter;
            processRow.drawOrder = val(rows[at].drawOrder) + added;
            processRow.opensBlock = true;
            processRow.setBlockKind(BlockKind::Process);
            rows.push_back(std::move(processRow));
            result.push_back(static_cast<int>(rows.size()) - 1);
            ++added;
            // The process block holds this line and those after it.
            runs.otherRun = true;
        }
        StatementRow& row = rows[at];
        if (added > 0) row.drawOrder = val(row.drawOrder) + added;
        runs.startAt(row);
        result.push_back(index);
    }
    order = std::move(result);
}

} // namespace vexoria::scan
