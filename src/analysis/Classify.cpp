#include "analysis/Classify.h"

#include "analysis/CanonicalLayout.h"
#include "analysis/FlowAgreement.h"
#include "analysis/NumberingPass.h"
#include "analysis/RowLines.h"
#include "analysis/ScanState.h"
#include "analysis/StatementScanner.h"
#include "analysis/syntax/StatementTree.h"

namespace vexoria {

namespace {

struct Classified {
    StatementTable table;
    std::optional<QString> title;
    scan::ScanPlaces places;
};

Classified classifyText(const QString& codeText, ShapeTemplateTable& templates, const BuildControl* control)
{
    Classified out;
    scan::ScanState s(codeText, templates);
    s.control = control;
    scan::scanStatements(s);
    cancellationPoint(control);
    out.title = scan::numberRows(s, out.table);
    out.places.rowPlaces = std::move(s.rowPlaces);
    out.places.tryHeadEnds = std::move(s.tryHeadEnds);
    return out;
}

} // namespace

// The classifier: scans the code text into statement rows, then numbers them
// in drawing order and adds the rows single statements need.
//
// The scan reads Pascal line by line. Where its table puts a statement into
// a loop or branch that does not hold it in the code (a while with a single
// statement, an else-if chain, several constructs on one line …), the
// statement part is laid out again in the layout the scan reads soundly and
// classified once more; the table that states more of the code's flow is
// kept. Code the scan reads soundly keeps its table as it is.
std::optional<QString> classifyStatements(StatementTable& statements, const QString& codeText,
                                          ShapeTemplateTable& templates, const BuildControl* control)
{
    statements.open();
    statements.clear();
    Classified chosen = classifyText(codeText, templates, control);

    const std::optional<syntax::Routine> routine = syntax::readRoutine(codeText);
    bool laidOutChosen = false;
    if (routine) {
        const int misplaced = scan::flowDisagreements(codeText, *routine, chosen.table.rows(), chosen.places);
        if (misplaced > 0) {
            std::vector<scan::LineOrigin> origins;
            const QString laidOut = scan::layOutCanonically(codeText, *routine, &origins);
            if (const std::optional<syntax::Routine> again = syntax::readRoutine(laidOut)) {
                Classified second = classifyText(laidOut, templates, control);
                if (scan::flowDisagreements(laidOut, *again, second.table.rows(), second.places) < misplaced) {
                    chosen = std::move(second);
                    scan::markRowLines(chosen.table.rows(), chosen.places, laidOut, nullptr, &origins);
                    laidOutChosen = true;
                }
            }
        }
    }
    if (!laidOutChosen) scan::markRowLines(chosen.table.rows(), chosen.places, codeText, routine ? &*routine : nullptr);

    statements.rows() = std::move(chosen.table.rows());
    statements.first();
    return chosen.title;
}

} // namespace vexoria
