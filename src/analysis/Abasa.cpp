#include "analysis/NumberingPass.h"
#include "analysis/ScanState.h"
#include "analysis/StatementScanner.h"
#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"

namespace vexoria {

// The classifier: scans the code text into statement rows, then numbers them
// in drawing order and adds the rows single statements need. Sets the report
// title when the routine starts with a procedure or function header; leaves it
// as it was otherwise.
void AbasaExecute(Workspace& ws)
{
    ws.enterStage(BuildStage::Classify);
    ws.tstrok.open();
    ws.tstrok.clear();
    const QString codeText = ws.codeText;
    scan::ScanState s(codeText, ws.tvobject);
    s.control = ws.control;
    scan::scanStatements(s);
    cancellationPoint(ws.control);
    if (auto title = scan::numberRows(s, ws.tstrok)) ws.reportTitle = *title;
}

} // namespace vexoria
