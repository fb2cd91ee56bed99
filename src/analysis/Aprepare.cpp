#include <array>
#include <vector>

#include "pipeline/Stages.h"
#include "pipeline/Workspace.h"

namespace vexoria {

namespace {

// The open constructs the check can hold at once; a deeper text still counts
// its depth, but the constructs past this many are not recorded and their
// closing rows stay unpaired.
constexpr int kStackEntries = 101;

struct OpenConstruct {
    QString obiect;
    int nom = 0;
};

// Kinds that never open a construct; so a begin does not, and the closing row
// of "while c do begin ... end" closes the while.
bool opensConstruct(const QString& obiect)
{
    static const char* const kNotOpening[] = {"header", "end shema", "procces", "var",     "begin",   "goto",
                                              "break",  "repeat",    "until",   "exit",    "mylabel", "except"};
    for (const char* k : kNotOpening)
        if (obiect == QLatin1String(k)) return false;
    return true;
}

} // namespace

// The structure check: numbers the rows that carry a kind (filtr), pairs every
// closing row with the construct it closes and every until with its repeat,
// and warns once when closing rows turn up that no construct can account for.
void AprepareExecute(Workspace& ws)
{
    ws.enterStage(BuildStage::Check);
    Tstrok& t = ws.tstrok;
    ws.ctx.blockCount = 0;
    for (StrokRow& r : t.rows()) {
        if (r.obiect.str().isEmpty()) continue;
        r.filtr = ws.ctx.blockCount;
        ws.ctx.blockCount += 1;
    }

    t.sortBy([](const StrokRow& r) { return r.filtr; });
    if (!t.locate([](const StrokRow& r) { return r.filtr.has_value() && *r.filtr == 0; })) return;

    std::array<OpenConstruct, kStackEntries> stack{};
    int depth = 0;
    std::vector<int> openRepeats;
    for (int i = t.position(); i < t.size(); ++i) {
        cancellationPoint(ws.control);
        StrokRow& r = t.at(i);
        const QString obiect = r.obiect.str();
        if (obiect == u"end") {
            if (depth >= 1 && depth <= kStackEntries) {
                const OpenConstruct& top = stack[static_cast<std::size_t>(depth - 1)];
                r.endobiect = top.obiect;
                r.no = top.nom;
            }
            depth -= 1;
            // Up to three surplus closing rows are silent: the routine's own
            // begin and end make one of them.
            if (depth < -3) {
                if (ws.prompter)
                    ws.prompter->message(QStringLiteral("Предупреждение !Возможна ошибка\rв блоке разбора синтаксиса"));
                break;
            }
            continue;
        }
        // Repeats nest: an until closes the innermost repeat still open.
        if (obiect == u"repeat") openRepeats.push_back(val(r.nom));
        if (obiect == u"until") {
            r.endobiect = QStringLiteral("repeat");
            r.no = openRepeats.empty() ? 0 : openRepeats.back();
            if (!openRepeats.empty()) openRepeats.pop_back();
        }
        if (opensConstruct(obiect)) {
            depth += 1;
            if (depth >= 1 && depth <= kStackEntries)
                stack[static_cast<std::size_t>(depth - 1)] = OpenConstruct{obiect, val(r.nom)};
        }
    }
}

} // namespace vexoria
