// How the classifier and the structure check scale with the length of a
// routine. The routines are generated: nested ifs with begin/end and else,
// for, while and repeat loops, case statements, comments and assignments, in
// a fixed pseudo-random mix. The time per line must stay flat as the routine
// grows.
#include <benchmark/benchmark.h>

#include <cstdint>

#include <QString>
#include <QStringList>

#include "pipeline/Pipeline.h"
#include "analysis/StructureCheck.h"
#include "pipeline/Workspace.h"
#include "support/BenchSupport.h"

using namespace vexoria;
using vexoria::bench::SilentPrompter;

namespace {

class RoutineWriter {
public:
    explicit RoutineWriter(int lines) : m_target(lines) {}

    QString routine()
    {
        m_out << "procedure Generated(var a: array of Integer; n: Integer);"
              << "var"
              << "  i, j, k, s: Integer;"
              << "begin";
        while (m_out.size() < m_target - 1) statement(1);
        m_out << "end;";
        return m_out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    }

private:
    std::uint32_t next(std::uint32_t bound)
    {
        m_seed = m_seed * 1664525u + 1013904223u;
        return (m_seed >> 8) % bound;
    }
    QString pad(int depth) const { return QString(depth * 2, u' '); }
    bool room(int lines) const { return m_out.size() + lines < m_target - 1; }

    void block(int depth)
    {
        m_out << pad(depth) + "begin";
        const int n = 1 + static_cast<int>(next(4));
        for (int i = 0; i < n && room(2); ++i) statement(depth + 1);
        m_out << pad(depth) + "end;";
    }

    void statement(int depth)
    {
        const QString p = pad(depth);
        const bool nest = depth < 6 && room(12);
        switch (nest ? next(10) : next(3)) {
        case 0: m_out << p + "s := s + a[i] * 2;"; break;
        case 1: m_out << p + "k := k + 1; // count the pass"; break;
        case 2: m_out << p + "{ keep the running sum }" << p + "a[j] := s div (k + 1);"; break;
        case 3:
            m_out << p + "if a[i] > s then";
            block(depth);
            break;
        case 4:
            m_out << p + "if (i mod 2 = 0) and (s < n) then";
            m_out << p + "  s := s - 1";
            m_out << p + "else";
            m_out << p + "  s := s + 1;";
            break;
        case 5:
            m_out << p + "for i := 0 to n - 1 do";
            block(depth);
            break;
        case 6:
            m_out << p + "while j < n do";
            block(depth);
            break;
        case 7:
            m_out << p + "repeat";
            m_out << p + "  j := j + 1;";
            m_out << p + "until j >= n;";
            break;
        case 8:
            m_out << p + "case k of" << p + "  1: s := 0;" << p + "  2, 3: s := 1;" << p + "  4: begin"
                  << p + "       s := 2;" << p + "     end;" << p + "else" << p + "  s := 3;" << p + "end;";
            break;
        default:
            m_out << p + "if s = 0 then";
            block(depth);
            m_out << p + "else";
            block(depth);
            break;
        }
    }

    int m_target;
    std::uint32_t m_seed = 12345;
    QStringList m_out;
};

void classifyOnly(Workspace& ws, const QString& text)
{
    ws.codeText = text;
    classifyCode(ws);
}

void classifyAndCheck(Workspace& ws, const QString& text)
{
    classifyOnly(ws, text);
    ws.statements.sortBy([](const StatementRow& r) { return r.drawOrder; });
    checkStructure(ws.statements, ws.prompter);
}

template <void (*Run)(Workspace&, const QString&)>
void runBench(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    const QString text = RoutineWriter(lines).routine();
    SilentPrompter prompter;
    int rows = 0;
    for (auto _ : state) {
        Workspace ws;
        ws.prompter = &prompter;
        Run(ws, text);
        rows = ws.statements.size();
        benchmark::DoNotOptimize(rows);
    }
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["rows"] = rows;
    state.counters["per_line"] =
        benchmark::Counter(lines, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A routine the line scan misreads all through (else-if chains, single
// statement whiles), so that every build lays its statement part out again
// and classifies it a second time.
QString misreadRoutine(int lines)
{
    QString text = QStringLiteral("procedure Misread;\r\nbegin\r\n");
    for (int i = 0; i * 4 < lines; ++i) {
        const QString n = QString::number(i);
        text += QStringLiteral("  if a") + n + QStringLiteral(" > 0 then\r\n    x := ") + n +
                QStringLiteral("\r\n  else if b then y := ") + n + QStringLiteral(";\r\n  while c do z := z + 1;\r\n");
    }
    return text + QStringLiteral("end;\r\n");
}

void BM_ClassifyMisread(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    const QString text = misreadRoutine(lines);
    SilentPrompter prompter;
    for (auto _ : state) {
        Workspace ws;
        ws.prompter = &prompter;
        classifyOnly(ws, text);
        benchmark::DoNotOptimize(ws.statements.size());
    }
    state.SetItemsProcessed(state.iterations() * lines);
}

} // namespace

BENCHMARK(BM_ClassifyMisread)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(runBench<classifyOnly>)->Name("Classify")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(runBench<classifyAndCheck>)
    ->Name("ClassifyAndCheck")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
