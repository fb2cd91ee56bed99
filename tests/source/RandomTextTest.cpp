// The classifier and the structure check must end, and leave a sane table,
// on any text at all. A few thousand texts made of Pascal words, line breaks,
// comments, quotes and stray punctuation go through both; the generator is
// seeded so that a failure can be replayed.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>

#include "pipeline/Pipeline.h"
#include "analysis/StructureCheck.h"
#include "pipeline/Workspace.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

using namespace vexoria;

namespace {

const char* const kPieces[] = {
    "if ",
    "then",
    " then ",
    "else",
    "else ",
    "begin",
    "begin ",
    "end",
    "end;",
    "end ",
    "end.",
    "end/",
    "for ",
    "i := 1",
    " to ",
    " downto ",
    "do",
    " do ",
    "while ",
    "repeat",
    "until ",
    "case ",
    " of",
    "1: ",
    "2, 3:",
    "goto ",
    "10",
    "10:",
    "label",
    "try",
    "except",
    "finally",
    "with ",
    "var",
    "exit;",
    "break;",
    "x := 1;",
    "x",
    "(",
    ")",
    "[",
    "]",
    ";",
    ":",
    ":=",
    "'",
    "'s'",
    "{",
    "}",
    "{ c }",
    "//",
    "// note",
    "/",
    "(*",
    "*)",
    " ",
    "  ",
    "\t",
    "procedure P;",
    "function F: Integer;",
    "procces",
    "header",
    "mylabel",
    "Ё",
    "\xC3\xA9",
    "\r\n",
    "\r\n",
    "\r\n",
    "\r",
    "\n",
};
constexpr std::size_t kPieceCount = sizeof(kPieces) / sizeof(kPieces[0]);

// Joins n random pieces; the raw engine output is used directly so that the
// texts are the same with every standard library.
QString randomText(std::mt19937& rng, int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i) bytes += kPieces[rng() % kPieceCount];
    return QString::fromUtf8(bytes);
}

// What `rows --stage check` runs: classify, put the rows in drawing order,
// then the structure check.
void classifyAndCheck(Workspace& ws, const QString& text)
{
    ws.codeText = text;
    classifyCode(ws);
    ws.statements.sortBy([](const StatementRow& r) { return r.drawOrder; });
    ws.blockCount = checkStructure(ws.statements, ws.prompter);
}

// Why a table is not sane, or an empty string.
QString tableFault(const Workspace& ws)
{
    std::set<int> ns;
    std::set<int> kindIndexes;
    int blocks = 0;
    int chartEnd = 0;
    for (const StatementRow& r : ws.statements.rows()) {
        if (!r.n) return "a row without n";
        if (!ns.insert(*r.n).second) return QString("n %1 twice").arg(*r.n);
        if (!r.drawOrder) return QString("row %1 without nom").arg(*r.n);
        if (r.kind == "end shema") ++chartEnd;
        if (r.kind.str().isEmpty()) {
            if (r.kindIndex) return QString("row %1 has filtr but no kind").arg(*r.n);
            continue;
        }
        ++blocks;
        if (!r.kindIndex) return QString("row %1 has a kind but no filtr").arg(*r.n);
        if (!kindIndexes.insert(*r.kindIndex).second) return QString("filtr %1 twice").arg(*r.kindIndex);
    }
    if (chartEnd != 1) return QString("%1 end shema rows").arg(chartEnd);
    if (ws.blockCount != blocks) return QString("blockCount %1 for %2 kinds").arg(ws.blockCount).arg(blocks);
    if (!kindIndexes.empty() && (*kindIndexes.begin() != 0 || *kindIndexes.rbegin() != blocks - 1))
        return "filtr is not 0..blockCount-1";
    return {};
}

void runTexts(std::uint32_t seed, int count, int maxPieces, bool crLf)
{
    std::mt19937 rng(seed);
    for (int i = 0; i < count; ++i) {
        QString text = randomText(rng, 1 + static_cast<int>(rng() % static_cast<std::uint32_t>(maxPieces)));
        if (crLf) text = text.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
        test::ScriptedPrompter prompter;
        Workspace ws;
        ws.prompter = &prompter;
        classifyAndCheck(ws, text);
        const QString fault = tableFault(ws);
        ASSERT_TRUE(fault.isEmpty()) << "seed " << seed << ", text " << i << ": " << fault.toStdString() << "\n"
                                     << text.toStdString();
    }
}

} // namespace

TEST(RandomText, ShortTextsWithCrLfEndAndLeaveASaneTable) { runTexts(1, 3000, 40, true); }

TEST(RandomText, TextsWithStrayLineBreaksEndAndLeaveASaneTable)
{
    runTexts(2, 1500, 80, false); // lone CR and LF, as a careless caller might hand over
}

TEST(RandomText, LongTextsEndAndLeaveASaneTable) { runTexts(3, 100, 2000, true); }
