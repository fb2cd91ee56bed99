#pragma once
// Routines written into tests, and the table the build makes of them.
#include <initializer_list>
#include <vector>

#include <QString>

#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "support/ScriptedPrompter.h"

namespace vexoria::test {

// Lines joined with CR LF, with a final line break, as the editor hands them.
inline QString crlfLines(std::initializer_list<const char*> ls)
{
    QString out;
    for (const char* l : ls) out += QString::fromUtf8(l) + QStringLiteral("\r\n");
    return out;
}

// The table the classifier makes of a code text, in drawing order.
inline std::vector<StatementRow> classifiedRows(const QString& code)
{
    Workspace ws;
    ScriptedPrompter prompter;
    ws.prompter = &prompter;
    ws.codeText = code;
    classifyCode(ws);
    ws.statements.sortBy([](const StatementRow& r) { return r.drawOrder; });
    return ws.statements.rows();
}

} // namespace vexoria::test
