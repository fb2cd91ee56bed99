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
    bool holds(const StrokRow& row)
    {
        if (row.stroka.str().isEmpty()) {
            varRun = false;
            otherRun = false;
        } else if (row.obiect == "end") {
            otherRun = false;
        }
        return varRun || otherRun;
    }

    void startAt(const StrokRow& row)
    {
        const QString kind = row.obiect.str();
        if (kind == u"var" || kind == u"header") varRun = true;
        else if (kind == u"else" || kind == u"begin" || kind == u"procces" || kind == u"except") otherRun = true;
    }
};

} // namespace

bool isStatementLine(const StrokRow& row)
{
    const QString stroka = row.stroka.str();
    return !isBlanksOnly(stroka) && row.obiect.str().isEmpty() && !val(row.uslovie) && !stroka.startsWith(u'/');
}

void holdOrphanLines(std::vector<StrokRow>& rows, std::vector<int>& order, int& rowCounter)
{
    std::vector<int> result;
    result.reserve(order.size() + 16);
    HeldRuns runs;
    int added = 0;
    for (const int index : order) {
        const auto at = static_cast<std::size_t>(index);
        const bool held = runs.holds(rows[at]);
        if (!held && isStatementLine(rows[at])) {
            StrokRow procces;
            procces.n = ++rowCounter;
            procces.nom = val(rows[at].nom) + added;
            procces.uslovie = true;
            procces.obiect = "procces";
            rows.push_back(std::move(procces));
            result.push_back(static_cast<int>(rows.size()) - 1);
            ++added;
            // The process block holds this line and those after it.
            runs.otherRun = true;
        }
        StrokRow& row = rows[at];
        if (added > 0) row.nom = val(row.nom) + added;
        runs.startAt(row);
        result.push_back(index);
    }
    order = std::move(result);
}

} // namespace vexoria::scan
