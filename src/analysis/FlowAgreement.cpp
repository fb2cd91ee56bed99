#include "analysis/FlowAgreement.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <set>

#include "analysis/syntax/SourceLines.h"

namespace vexoria::scan {

namespace {

using syntax::Statement;
using syntax::StatementKind;

// The kinds of construct that hold statements, as the chart and the code both
// name them: a case branch and a case's else are kinds of their own.
enum class HolderKind { None, If, Else, Branch, CaseElse, While, For, Repeat, With, Case, Try };

// A construct that holds a statement: its kind and the line of its keyword
// (of the label, for a case branch).
struct Holder {
    HolderKind kind = HolderKind::None;
    int line = 0;
    int ordinal = 1; // the first, second … construct of its kind on its line
};

bool isLoopKind(HolderKind k)
{
    return k == HolderKind::While || k == HolderKind::For || k == HolderKind::Repeat || k == HolderKind::With;
}

bool isBranchKind(HolderKind k)
{
    return k == HolderKind::If || k == HolderKind::Else || k == HolderKind::Branch || k == HolderKind::CaseElse;
}

// What is compared: the set of loops and with statements around a statement
// and the innermost branch, as two numbers, so that a place costs the same
// however deep the code nests (and however many constructs a misread table
// leaves open).
struct Place {
    quint64 loops = 0;  // the loops' keys combined without regard to order
    quint64 branch = 0; // the innermost branch's key; 0 for none
    bool operator<(const Place& o) const { return loops != o.loops ? loops < o.loops : branch < o.branch; }
};

quint64 mixed(quint64 x)
{
    // splitmix64: spreads the bits so that combined keys rarely collide.
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

quint64 keyOf(const Holder& h)
{
    const auto code = static_cast<quint64>(h.kind);
    return mixed((code << 56) ^ (quint64(quint32(h.line)) << 16) ^ quint64(quint16(h.ordinal)));
}

// The holders open around a point, innermost last, each with the place it
// makes.
class Holders {
public:
    void push(const Holder& h, int drawOrder = 0)
    {
        Place p = place();
        if (isLoopKind(h.kind)) p.loops ^= keyOf(h);
        else if (isBranchKind(h.kind)) p.branch = keyOf(h);
        m_open.push_back({drawOrder, p});
    }
    void pop() { m_open.pop_back(); }
    // Closes the holder opened by the row with this nom and all inside it.
    void close(int drawOrder)
    {
        for (std::size_t k = m_open.size(); k-- > 0;) {
            if (m_open[k].drawOrder == drawOrder) {
                m_open.resize(k);
                return;
            }
        }
    }
    Place place() const { return m_open.empty() ? Place{} : m_open.back().place; }

private:
    struct Open {
        int drawOrder;
        Place place;
    };
    std::vector<Open> m_open;
};

// The kind a row opens as a holder: a case branch and a case's else have
// kinds of their own; None for rows that open none.
HolderKind holderKind(const StatementRow& r)
{
    switch (r.blockKind()) {
    case BlockKind::If: return r.isCasePart() ? HolderKind::Branch : HolderKind::If;
    case BlockKind::Else: return r.isCasePart() ? HolderKind::CaseElse : HolderKind::Else;
    case BlockKind::While: return HolderKind::While;
    case BlockKind::For: return HolderKind::For;
    case BlockKind::With: return HolderKind::With;
    case BlockKind::Case: return HolderKind::Case;
    case BlockKind::Try: return HolderKind::Try;
    case BlockKind::Repeat: return HolderKind::Repeat;
    default: return HolderKind::None;
    }
}

class ChartPlaces {
public:
    ChartPlaces(const syntax::SourceLines& lines, const std::vector<StatementRow>& rows, const ScanPlaces& places)
        : m_lines(lines), m_places(places)
    {
        std::vector<std::size_t> order(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return compareKeys(rows[a].drawOrder, rows[b].drawOrder) < 0;
        });
        std::map<int, int> tryEnds(places.tryHeadEnds.begin(), places.tryHeadEnds.end());
        // Two constructs of a kind on one line are told apart by their order
        // on it: the rows' order of making is the order of the text.
        std::vector<std::size_t> made(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) made[i] = i;
        std::stable_sort(made.begin(), made.end(),
                         [&](std::size_t a, std::size_t b) { return compareKeys(rows[a].n, rows[b].n) < 0; });
        std::map<std::pair<HolderKind, int>, int> seenOnLine;
        std::map<int, int> ordinalOfRow; // by n
        for (std::size_t i : made) {
            const HolderKind k = holderKind(rows[i]);
            const int line = lineOf(rows[i]);
            if (k == HolderKind::None || line < 0) continue;
            ordinalOfRow[val(rows[i].n)] = ++seenOnLine[{k, line}];
        }
        // Closing rows and untils are paired as the structure check pairs
        // them: an open-construct count that may go below zero, a construct
        // remembered only while the count is at least one, and the innermost
        // open repeat for an until. A paired row closes its construct and all
        // that is open inside it.
        constexpr int kStackSize = 101;
        std::vector<int> opened(kStackSize + 1, 0);
        int depth = 0;
        std::vector<int> openRepeats;
        bool stopped = false;
        Holders open;
        auto closeDrawOrder = [&](int drawOrder) { open.close(drawOrder); };
        for (std::size_t i : order) {
            const StatementRow& r = rows[i];
            const BlockKind kind = r.blockKind();
            if (kind == BlockKind::None && !r.isText()) continue;
            const int line = lineOf(r);
            const int drawOrder = val(r.drawOrder);
            if (r.isClosing()) {
                if (stopped) continue;
                if (depth >= 1 && depth <= kStackSize) closeDrawOrder(opened[static_cast<std::size_t>(depth)]);
                --depth;
                if (depth < -3) stopped = true;
                continue;
            }
            if (kind == BlockKind::Repeat) openRepeats.push_back(drawOrder);
            if (kind == BlockKind::Until) {
                if (!stopped && !openRepeats.empty()) closeDrawOrder(openRepeats.back());
                if (!openRepeats.empty()) openRepeats.pop_back();
                continue;
            }
            if (line >= 0 && (r.isText() || kind == BlockKind::Exit || kind == BlockKind::Break ||
                              kind == BlockKind::Goto || kind == BlockKind::Try)) {
                int lastLine = line;
                if (kind == BlockKind::Try) {
                    const auto it = tryEnds.find(val(r.n) - 1);
                    if (it != tryEnds.end()) lastLine = std::max(line, m_lines.lineOf(it->second - 1));
                }
                const Place place = open.place();
                for (int l = line; l <= lastLine; ++l) m_byLine[l].insert(place);
            }
            const bool opens = kind == BlockKind::If || kind == BlockKind::Else || kind == BlockKind::While ||
                               kind == BlockKind::For || kind == BlockKind::With || kind == BlockKind::Case ||
                               kind == BlockKind::Try;
            if (opens && !stopped) {
                ++depth;
                if (depth >= 1 && depth <= kStackSize) opened[static_cast<std::size_t>(depth)] = drawOrder;
            }
            if (opens || kind == BlockKind::Repeat) {
                const auto ordinal = ordinalOfRow.find(val(r.n));
                open.push(Holder{holderKind(r), line, ordinal == ordinalOfRow.end() ? 1 : ordinal->second}, drawOrder);
            }
        }
    }

    // The places of the rows that draw statements on a line.
    const std::set<Place>* onLine(int line) const
    {
        const auto it = m_byLine.find(line);
        return it == m_byLine.end() ? nullptr : &it->second;
    }

private:
    int lineOf(const StatementRow& r) const
    {
        const int n = val(r.n);
        if (n < 1 || n > static_cast<int>(m_places.rowPlaces.size())) return -1;
        return m_lines.lineOf(m_places.rowPlaces[static_cast<std::size_t>(n - 1)] - 1);
    }

    const syntax::SourceLines& m_lines;
    const ScanPlaces& m_places;
    std::map<int, std::set<Place>> m_byLine;
};

class CodePlaces {
public:
    CodePlaces(const syntax::SourceLines& lines, const syntax::Routine& routine, const ChartPlaces& chart)
        : m_lines(lines), m_tokens(routine.tokens.tokens), m_chart(chart)
    {
        for (const auto& s : routine.statements) number(s.get());
        std::map<std::pair<HolderKind, int>, int> seenOnLine;
        for (const auto& [token, kind] : m_keys) m_ordinal[token] = ++seenOnLine[{kind, line(token)}];
        Holders holders;
        for (const auto& s : routine.statements) statement(s.get(), holders);
    }
    int disagreements() const { return m_disagreements; }

private:
    int line(int token) const { return m_lines.lineOf(m_tokens[static_cast<std::size_t>(token)].begin); }

    // The keyword token of every construct, in the order of the text.
    void number(const Statement* s)
    {
        if (s == nullptr) return;
        auto key = [&](int token, HolderKind kind) { m_keys.emplace(token, kind); };
        switch (s->kind) {
        case StatementKind::If:
            key(s->first, HolderKind::If);
            if (s->elseToken >= 0) key(s->elseToken, HolderKind::Else);
            break;
        case StatementKind::While: key(s->first, HolderKind::While); break;
        case StatementKind::For: key(s->first, HolderKind::For); break;
        case StatementKind::With: key(s->first, HolderKind::With); break;
        case StatementKind::Repeat: key(s->first, HolderKind::Repeat); break;
        case StatementKind::Case:
            for (const syntax::CaseBranch& b : s->branches) key(b.labelFirst, HolderKind::Branch);
            if (s->hasElse) key(s->elseToken, HolderKind::CaseElse);
            break;
        default: break;
        }
        number(s->thenPart.get());
        number(s->elsePart.get());
        for (const auto& b : s->body) number(b.get());
        for (const auto& h : s->handlers) number(h.get());
        for (const syntax::CaseBranch& b : s->branches) number(b.statement.get());
    }
    Holder holder(HolderKind kind, int token)
    {
        const auto it = m_ordinal.find(token);
        return {kind, line(token), it == m_ordinal.end() ? 1 : it->second};
    }

    void inside(const Statement* s, Holders& holders, const Holder& h)
    {
        holders.push(h);
        statement(s, holders);
        holders.pop();
    }
    void list(const syntax::StatementList& list, Holders& holders)
    {
        for (const auto& s : list) statement(s.get(), holders);
    }

    void statement(const Statement* s, Holders& holders)
    {
        if (s == nullptr) return;
        switch (s->kind) {
        case StatementKind::Simple:
        case StatementKind::Exit:
        case StatementKind::Break:
        case StatementKind::Goto: {
            // A label alone is no statement.
            if (!s->labels.empty() && s->first == s->labels.back()) return;
            const std::set<Place>* places = m_chart.onLine(line(s->first));
            if (places == nullptr || places->count(holders.place()) == 0) ++m_disagreements;
            return;
        }
        case StatementKind::Compound: list(s->body, holders); return;
        case StatementKind::If:
            inside(s->thenPart.get(), holders, holder(HolderKind::If, s->first));
            if (s->elseToken >= 0) inside(s->elsePart.get(), holders, holder(HolderKind::Else, s->elseToken));
            return;
        case StatementKind::While: inside(s->thenPart.get(), holders, holder(HolderKind::While, s->first)); return;
        case StatementKind::For: inside(s->thenPart.get(), holders, holder(HolderKind::For, s->first)); return;
        case StatementKind::With: inside(s->thenPart.get(), holders, holder(HolderKind::With, s->first)); return;
        case StatementKind::Repeat:
            holders.push(holder(HolderKind::Repeat, s->first));
            list(s->body, holders);
            holders.pop();
            return;
        case StatementKind::Case:
            for (const syntax::CaseBranch& b : s->branches)
                inside(b.statement.get(), holders, holder(HolderKind::Branch, b.labelFirst));
            if (s->hasElse) {
                holders.push(holder(HolderKind::CaseElse, s->elseToken));
                list(s->body, holders);
                holders.pop();
            }
            return;
        case StatementKind::Try:
            list(s->body, holders);
            list(s->handlers, holders);
            return;
        case StatementKind::OnHandler: statement(s->thenPart.get(), holders); return;
        }
    }

    const syntax::SourceLines& m_lines;
    const std::vector<syntax::Token>& m_tokens;
    const ChartPlaces& m_chart;
    std::map<int, HolderKind> m_keys; // keyword token -> kind, in token order
    std::map<int, int> m_ordinal;     // keyword token -> its order on its line
    int m_disagreements = 0;
};

} // namespace

int flowDisagreements(const QString& text, const syntax::Routine& routine, const std::vector<StatementRow>& rows,
                      const ScanPlaces& places)
{
    const syntax::SourceLines lines(text);
    const ChartPlaces chart(lines, rows, places);
    return CodePlaces(lines, routine, chart).disagreements();
}

} // namespace vexoria::scan
