// libFuzzer target: the classifier, the drawing-order sort and the structure
// check on arbitrary bytes. Each input is read twice: as a code file is read
// (UTF-8 or Windows-1251, line breaks made CR LF), and raw as Latin-1 text, so
// that lone CRs, LFs, NULs and every other odd character reach the scanner
// exactly as given.
#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QString>

#include "pipeline/Pipeline.h"
#include "analysis/StructureCheck.h"
#include "pipeline/Workspace.h"
#include "platform/prompts/Prompter.h"
#include "platform/text/TextCodec.h"

namespace {

class SilentPrompter : public vexoria::Prompter {
public:
    void message(const QString&) override {}
    vexoria::Answer question(const QString&, const QString&, vexoria::Buttons, vexoria::Icon) override
    {
        return vexoria::Answer::No;
    }
};

void classifyAndCheck(const QString& text)
{
    SilentPrompter prompter;
    vexoria::Workspace ws;
    ws.prompter = &prompter;
    ws.codeText = text;
    vexoria::classifyCode(ws);
    ws.statements.sortBy([](const vexoria::StatementRow& r) { return r.drawOrder; });
    vexoria::checkStructure(ws.statements, ws.prompter);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    classifyAndCheck(vexoria::toCrLf(vexoria::decodeCodeText(bytes)));
    classifyAndCheck(QString::fromLatin1(bytes));
    return 0;
}
